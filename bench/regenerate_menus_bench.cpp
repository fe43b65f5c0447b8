// Times RegenerateMenus on sites of 10, 100 and 1000 pages made from the first bundled design,
// against the floor of just writing the same final page files.
#include "generator/edit_copies.h"
#include "generator/menus.h"
#include "generator/template_library.h"
#include "site/folders.h"
#include "site/page_table.h"
#include "site/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 3;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

SiteState makeSite(const Folders& folders, int pageCount) {
    SiteState state;
    const QString index = SelectedTemplateFolder(state, folders) + QStringLiteral("index.html");
    for (int i = 0; i < pageCount; ++i) {
        const QString name = i == 0 ? QStringLiteral("index") : QStringLiteral("page-%1").arg(i);
        int slot = 0;
        AppendPage(state, name, &slot);
        TSitePage& page = state.Pages[slot];
        page.FileName = name;
        page.Label_ = i == 0 ? QStringLiteral("Home") : QStringLiteral("Page %1").arg(i);
        page.ShowInMenu = true;
        page.IsHomePage = i == 0;
        QFile::copy(index, PageFilePath(folders, name));
    }
    return state;
}

void measure(int pageCount) {
    QTemporaryDir dir;
    Folders folders{dir.path() + QStringLiteral("/"), AppDataDir(),
                    dir.path() + QStringLiteral("/store.ini")};
    QDir().mkpath(folders.PreviewDir());
    SiteState state = makeSite(folders, pageCount);
    RegenerateMenus(state, folders); // the sample menus become the site's menus

    std::vector<double> regenerate;
    MenuRunStats stats;
    for (int run = 0; run < Runs; ++run) {
        stats = {};
        QElapsedTimer timer;
        timer.start();
        if (const Result r = RegenerateMenus(state, folders, &stats); !r) {
            std::fprintf(stderr, "%s\n", qPrintable(r.message));
            return;
        }
        regenerate.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::vector<QString> texts;
    for (int i = 0; i < pageCount; ++i)
        texts.push_back(LoadTextFile(PageFilePath(folders, state.PageSelector.at(i))));
    std::vector<double> floor;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < pageCount; ++i)
            SaveTextFile(texts[i], PageFilePath(folders, state.PageSelector.at(i)));
        floor.push_back(timer.nsecsElapsed() / 1e6);
    }

    const double t = median(regenerate);
    const double f = median(floor);
    std::printf("%5d pages  regenerate %9.1f ms  model files read %d  bytes written %11lld  "
                "write floor %9.1f ms  ratio %.2f\n",
                pageCount, t, stats.modelFilesRead, static_cast<long long>(stats.bytesWritten), f,
                t / f);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (TemplateFolderNumbers(Folders{QString(), AppDataDir(), QString()}).isEmpty()) {
        std::fprintf(stderr, "no design template installed in %s\n", qPrintable(AppDataDir()));
        return 1;
    }
    for (const int n : {10, 100, 1000})
        measure(n);
    return 0;
}

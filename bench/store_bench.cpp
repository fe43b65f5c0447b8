// SavePages followed by LoadSite of a full table, against the floor of writing and reading
// one file of the same size in one go.
#include "site/page_table.h"
#include "site/settings_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

SiteState fullTable() {
    SiteState state;
    state.Account.UnixName = "bench";
    const QString filler(60, QLatin1Char('x'));
    for (int i = 0; i < PageCapacity; ++i) {
        int slot = 0;
        AppendPage(state, QStringLiteral("page-number-%1").arg(i), &slot);
        TSitePage& p = state.Pages[slot];
        p.Label_ = QStringLiteral("Page number %1").arg(i);
        p.WindowTitle = QStringLiteral("Window title of page %1").arg(i);
        p.Description = QStringLiteral("A description of page %1, ").arg(i) + filler;
        p.Keywords = QStringLiteral("keyword one, keyword two, page %1").arg(i);
        p.Heading = QStringLiteral("Heading %1").arg(i);
        p.Text1 = p.Text2 = p.Text3 = p.Text4 = p.Text5 = p.Text6 = filler;
        p.ShowInMenu = true;
        p.Changed = i % 2 == 0;
    }
    return state;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Folders folders{dir.path() + "/temp/", dir.path() + "/data/", dir.path() + "/store.ini"};
    const SiteState table = fullTable();
    const int runs = 7;

    // The account comes first, as in use; every run but the first then saves over the table
    // the run before left, the way a site's store is rewritten while it is being edited.
    SiteState withAccount;
    withAccount.Account.UnixName = "bench";
    SaveAccount(withAccount, folders);

    std::vector<double> save, load, floorWrite, floorRead;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        if (!SavePages(table, folders)) {
            std::fprintf(stderr, "SavePages failed\n");
            return 1;
        }
        save.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        SiteState loaded;
        LoadSite(loaded, folders);
        load.push_back(t.nsecsElapsed() / 1e6);
        if (loaded.pageCount() != PageCapacity) {
            std::fprintf(stderr, "loaded %d pages\n", loaded.pageCount());
            return 1;
        }

        QFile store(folders.settingsFile);
        store.open(QIODevice::ReadOnly);
        const QByteArray bytes = store.readAll();
        const QString floorPath = dir.path() + "/floor.bin";
        t.restart();
        QSaveFile out(floorPath);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.commit();
        floorWrite.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        QFile in(floorPath);
        in.open(QIODevice::ReadOnly);
        const QByteArray back = in.readAll();
        floorRead.push_back(t.nsecsElapsed() / 1e6);
        if (back.size() != bytes.size())
            return 1;
    }

    const double saveLoad = median(save) + median(load);
    const double floor = median(floorWrite) + median(floorRead);
    std::printf("store of %d pages: %lld bytes\n", PageCapacity,
                (long long)QFileInfo(folders.settingsFile).size());
    std::printf("SavePages %.2f ms, LoadSite %.2f ms, together %.2f ms (median of %d)\n",
                median(save), median(load), saveLoad, runs);
    std::printf("one file written %.2f ms, read %.2f ms, together %.2f ms\n", median(floorWrite),
                median(floorRead), floor);
    std::printf("ratio %.1fx\n", saveLoad / floor);
    return 0;
}

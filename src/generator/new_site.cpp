#include "generator/new_site.h"

#include "generator/edit_copies.h"
#include "generator/file_backup.h"
#include "generator/page_head.h"
#include "generator/template_library.h"
#include "site/folder_utils.h"
#include "site/page_table.h"
#include "site/settings_store.h"
#include "site/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <utility>

namespace {

const QString DefaultWindowTitle = QStringLiteral("Window Title");

struct DefaultPage {
    const char* label;
    const char* fileName;
};
constexpr std::array<DefaultPage, 4> DefaultPages = {{{"Home", "index"},
                                                      {"About Us", "about-us"},
                                                      {"Picture Gallery", "picture-gallery"},
                                                      {"Contact Us", "contact-us"}}};

void replaceFile(const QString& source, const QString& target) {
    QFile::remove(target);
    QFile::copy(source, target);
}

Result makeWorkingFolders(const Folders& folders) {
    for (const QString& folder : {folders.WorkDir(), folders.PreviewDir()})
        if (!QDir().mkpath(folder))
            return Result::failure(
                QStringLiteral("The new site could not be created: the folder %1 could not be "
                               "made.")
                    .arg(folder));
    return Result::success();
}

// The sample page of a default page, or the template's "index.html" when the template has
// none of that name.
QString samplePage(const QString& templateFolder, const QString& fileName) {
    const QString sample = templateFolder + fileName + QStringLiteral(".html");
    if (QFileInfo(sample).isFile())
        return sample;
    return templateFolder + QStringLiteral("index.html");
}

} // namespace

void InstallTemplateAssets(const QString& templateFolder, const Folders& folders) {
    const QString source = templateFolder + QStringLiteral("bin/");
    for (const QString& target : {folders.WorkDir() + QStringLiteral("bin/"),
                                  folders.PreviewDir() + QStringLiteral("bin/")}) {
        ClearFolder(target);
        CopyFolder(source, target);
    }
}

Result AddTemplatePage(SiteState& state, const Folders& folders, const QString& templateFolder,
                       const QString& label, const QString& fileName) {
    int slot = 0;
    if (const Result appended = AppendPage(state, fileName, &slot); !appended)
        return appended;
    state.LastPageIndex = slot;
    TSitePage& page = state.Pages[slot];
    page = TSitePage{};
    page.Changed = true;
    page.Label_ = label;
    page.FileName = fileName;
    const QString preview = PreviewFilePath(folders, fileName);
    if (!QFileInfo::exists(preview))
        QFile::copy(templateFolder + QStringLiteral("index.html"), preview);
    return Result::success();
}

Result CreateSiteRun(SiteState& state, const Folders& folders) {
    // Work on a copy: the site in memory changes only when everything has succeeded.
    SiteState next = state;
    QString templateFolder;
    if (const Result found = FindSelectedTemplateFolder(next, folders, &templateFolder); !found)
        return Result::failure(QStringLiteral("The new site could not be created. ") +
                               found.message);
    if (const Result made = makeWorkingFolders(folders); !made)
        return made;

    FileBackup backup;
    for (const DefaultPage& d : DefaultPages) {
        backup.remember(PageFilePath(folders, QLatin1String(d.fileName)));
        backup.remember(PreviewFilePath(folders, QLatin1String(d.fileName)));
    }
    const auto fail = [&backup](const Result& failure) {
        backup.restore();
        return Result::failure(QStringLiteral("The new site could not be created. ") +
                               failure.message);
    };

    ClearPageSelector(next);
    next.LastPageIndex = -1;
    for (const DefaultPage& d : DefaultPages)
        if (const Result added = AddTemplatePage(next, folders, templateFolder,
                                                 QLatin1String(d.label), QLatin1String(d.fileName));
            !added)
            return fail(added);
    SelectPage(next, 0);

    for (int i = 0; i < next.pageCount(); ++i) {
        TSitePage& page = next.Pages[i];
        page.ShowInMenu = true;
        page.WindowTitle = DefaultWindowTitle;
        const QString text = LoadTextFile(samplePage(templateFolder, page.FileName));
        if (const Result written = SaveTextFile(WritePageTitle(text, page.WindowTitle),
                                                PageFilePath(folders, page.FileName));
            !written)
            return fail(written);
        if (i == 0)
            page.IsHomePage = true;
    }

    if (const Result saved = SaveAccount(next, folders); !saved)
        return fail(saved);
    if (const Result saved = SavePages(next, folders); !saved) {
        SaveAccount(state, folders);
        return fail(saved);
    }
    // The design's files go in last: they cannot be put back, and the open site must keep
    // its own look when anything before fails.
    const QString picture = folders.appDataDir + QStringLiteral("img.jpg");
    replaceFile(picture, folders.WorkDir() + QStringLiteral("img.jpg"));
    replaceFile(picture, folders.PreviewDir() + QStringLiteral("img.jpg"));
    QFile::remove(folders.WorkDir() + QStringLiteral("editor_.html"));
    InstallTemplateAssets(templateFolder, folders);
    state = std::move(next);
    return Result::success();
}

int NewSiteExtraWaitMs(qint64 elapsedMs) {
    return elapsedMs < 2000 ? 2000 : 0;
}

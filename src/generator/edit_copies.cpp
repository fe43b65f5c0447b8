#include "generator/edit_copies.h"

#include "generator/link_rewriting.h"
#include "generator/regions.h"
#include "site/page_table.h"
#include "site/settings_store.h"
#include "site/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString EditingCopyPath(const Folders& folders) {
    return folders.WorkDir() + QStringLiteral("editpage_.html");
}

QString PageFilePath(const Folders& folders, const QString& fileName) {
    return folders.WorkDir() + fileName + QStringLiteral(".html");
}

QString PreviewFilePath(const Folders& folders, const QString& fileName) {
    return folders.PreviewDir() + fileName + QStringLiteral(".html");
}

Result LoadPageForEditing(SiteState& state, const Folders& folders, const QString& fileName) {
    if (fileName.isEmpty())
        return Result::success();
    const int index = FindPage(state, fileName);
    if (index < 0)
        return Result::failure(
            QStringLiteral("There is no page \"%1\" in this site.").arg(fileName));
    const QString pagePath = PageFilePath(folders, fileName);
    if (!QFileInfo(pagePath).isFile())
        return Result::failure(
            QStringLiteral("The page \"%1\" cannot be opened: its file %2 is missing.")
                .arg(fileName, pagePath));

    const Result written =
        SaveTextFile(MakeLinksInert(LoadTextFile(pagePath)), EditingCopyPath(folders));
    if (!written)
        return written;
    state.PageModified = false;
    SelectPage(state, index);
    return Result::success();
}

Result SavePage(SiteState& state, const Folders& folders) {
    if (state.CurrentPageFileName.isEmpty())
        return Result::success();
    const QString copy = EditingCopyPath(folders);
    if (!QFileInfo(copy).isFile())
        return Result::failure(
            QStringLiteral("The page \"%1\" was not saved: its editing copy %2 is missing.")
                .arg(state.CurrentPageFileName, copy));
    const Result written = SaveTextFile(MakeLinksReal(LoadTextFile(copy)),
                                        PageFilePath(folders, state.CurrentPageFileName));
    if (!written)
        return written;
    state.PageModified = false;
    // The page's Changed mark, set when its region was edited, must survive a restart so the
    // next publish uploads the page.
    return SavePages(state, folders);
}

Result PreviewSite(const SiteState& state, const Folders& folders, QString* previewFile) {
    QDir().mkpath(folders.PreviewDir());
    Result result;
    for (int i = 0; i < state.pageCount(); ++i) {
        const QString name = state.PageSelector.at(i);
        const Result written =
            SaveTextFile(MakePreviewLinks(LoadTextFile(PageFilePath(folders, name))),
                         PreviewFilePath(folders, name));
        if (!written && result)
            result = written;
    }
    for (int n = 1; n <= 1000; ++n) {
        const QString picture = QStringLiteral("tavo_img%1.jpg").arg(n);
        const QString source = folders.WorkDir() + picture;
        if (!QFileInfo::exists(source))
            break;
        const QString target = folders.PreviewDir() + picture;
        QFile::remove(target);
        QFile::copy(source, target);
    }
    if (previewFile) {
        const int selected = state.SelectedPageIndex;
        const QString name = selected >= 0 && selected < state.pageCount()
                                 ? state.PageSelector.at(selected)
                                 : QString();
        *previewFile = PreviewFilePath(folders, name);
    }
    return result;
}

Result WriteRegionToEditingCopy(SiteState& state, const Folders& folders, int n,
                                const QString& content) {
    const QString copy = EditingCopyPath(folders);
    const QString text = LoadTextFile(copy);
    if (!RegionContentBounds(text, n).found)
        return Result::failure(QStringLiteral("The page \"%1\" has no editable region %2.")
                                   .arg(state.CurrentPageFileName)
                                   .arg(n));
    if (const Result written = SaveTextFile(SetRegionHtml(text, n, content), copy); !written)
        return written;
    state.PageModified = true;
    if (const int index = FindPage(state, state.CurrentPageFileName); index >= 0)
        state.Pages[index].Changed = true;
    return Result::success();
}

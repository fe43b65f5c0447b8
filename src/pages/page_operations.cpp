#include "pages/page_operations.h"

#include "generator/edit_copies.h"
#include "generator/file_backup.h"
#include "generator/link_rewriting.h"
#include "generator/menus.h"
#include "generator/result_chain.h"
#include "generator/template_library.h"
#include "site/page_table.h"
#include "site/settings_store.h"
#include "site/text_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

int openPageIndex(const SiteState& state) {
    return FindPage(state, state.CurrentPageFileName);
}

Result noOpenPage() {
    return Result::failure(QStringLiteral("No page is open in the editor."));
}

Result missingEditingCopy(const Folders& folders) {
    return Result::failure(
        QStringLiteral("The page in the editor cannot be used: its editing copy %1 is missing.")
            .arg(EditingCopyPath(folders)));
}

// Writes a new page's file and its preview copy; a failure puts both back as they were.
Result writeNewPageFiles(const Folders& folders, const QString& name, const QString& text) {
    FileBackup backup;
    const QString files[] = {PreviewFilePath(folders, name), PageFilePath(folders, name)};
    for (const QString& file : files) {
        backup.remember(file);
        if (const Result written = SaveTextFile(text, file); !written) {
            backup.restore();
            return written;
        }
    }
    return Result::success();
}

// Appends the page, selects it and gives it a fresh record with New Page's flags.
TSitePage& appendNewPage(SiteState& state, const PageNameFields& fields) {
    int slot = 0;
    AppendPage(state, fields.FileName, &slot);
    SelectPage(state, slot);
    TSitePage& page = state.Pages[slot];
    page = TSitePage{};
    page.FileName = fields.FileName;
    page.Label_ = fields.Label;
    page.ShowInMenu = true;
    page.Changed = true;
    return page;
}

void setHead(TSitePage& page, const TPageHead& head) {
    page.WindowTitle = head.WindowTitle;
    page.Description = head.Description;
    page.Keywords = head.Keywords;
}

Result checkRoom(const SiteState& state) {
    if (state.pageCount() >= PageCapacity)
        return Result::failure(PageCapacityMessage());
    return Result::success();
}

// Moves a page's file to a new name, replacing a file of that name that no page uses.
bool moveFile(const QString& from, const QString& to) {
    if (!QFileInfo::exists(from))
        return true;
    QFile::remove(to);
    return QFile::rename(from, to);
}

} // namespace

// The regeneration marks every page changed; saving after it keeps those marks in the store,
// so a publish after a restart still uploads the pages whose menus changed.
Result RegenerateMenusAndSavePages(SiteState& state, const Folders& folders) {
    const Result regenerated = RegenerateMenus(state, folders);
    return FirstFailure(SavePages(state, folders), regenerated);
}

Result NewPage(SiteState& state, const Folders& folders, PageNameFields& fields) {
    if (const Result checked = CheckPageNameFields(state, fields); !checked)
        return checked;
    if (const Result room = checkRoom(state); !room)
        return room;
    QString templateFolder;
    if (const Result found = FindSelectedTemplateFolder(state, folders, &templateFolder); !found)
        return found;
    const QString text = LoadTextFile(templateFolder + QStringLiteral("index.html"));
    if (const Result written = writeNewPageFiles(folders, fields.FileName, text); !written)
        return written;

    setHead(appendNewPage(state, fields), ReadPageHead(text));
    const Result opened = LoadPageForEditing(state, folders, fields.FileName);
    return FirstFailure(opened, RegenerateMenusAndSavePages(state, folders));
}

Result SavePageAs(SiteState& state, const Folders& folders, PageNameFields& fields) {
    const int source = openPageIndex(state);
    if (source < 0)
        return noOpenPage();
    if (const Result checked = CheckPageNameFields(state, fields); !checked)
        return checked;
    if (const Result room = checkRoom(state); !room)
        return room;
    const QString copy = EditingCopyPath(folders);
    if (!QFileInfo(copy).isFile())
        return missingEditingCopy(folders);
    const QString text = MakeLinksReal(LoadTextFile(copy));
    if (const Result written = writeNewPageFiles(folders, fields.FileName, text); !written)
        return written;

    const TSitePage& original = state.Pages[source];
    const TPageHead head{original.WindowTitle, original.Description, original.Keywords};
    setHead(appendNewPage(state, fields), head);
    state.PageModified = true;
    return RegenerateMenusAndSavePages(state, folders);
}

Result RenamePage(SiteState& state, const Folders& folders, PageNameFields& fields) {
    const int d = openPageIndex(state);
    if (d < 0)
        return noOpenPage();
    TSitePage& page = state.Pages[d];
    if (page.IsHomePage)
        fields.FileName = page.FileName; // its file-name field cannot be edited
    if (const Result checked = CheckPageNameFields(state, fields, d); !checked)
        return checked;

    const QString oldName = state.PageSelector.at(d);
    const QString newName = fields.FileName;
    if (newName != oldName) {
        moveFile(PreviewFilePath(folders, oldName), PreviewFilePath(folders, newName));
        if (!moveFile(PageFilePath(folders, oldName), PageFilePath(folders, newName))) {
            moveFile(PreviewFilePath(folders, newName), PreviewFilePath(folders, oldName));
            return Result::failure(
                QStringLiteral("The page \"%1\" could not be renamed: its file could not be moved "
                               "to %2.")
                    .arg(oldName, PageFilePath(folders, newName)));
        }
    }
    page.FileName = newName;
    state.PageSelector[d] = newName;
    SelectPage(state, d);
    page.Label_ = fields.Label;
    page.Changed = true;
    return RegenerateMenusAndSavePages(state, folders);
}

Result DeletePage(SiteState& state, const Folders& folders) {
    const int d = openPageIndex(state);
    if (d < 0)
        return noOpenPage();
    if (state.Pages[d].IsHomePage)
        return Result::failure(QStringLiteral("The home page cannot be deleted."));
    const QString name = state.PageSelector.at(d);
    SelectPage(state, d);
    DeleteCurrentPage(state);
    QFile::remove(PreviewFilePath(folders, name));
    QFile::remove(PageFilePath(folders, name));
    const Result opened = LoadPageForEditing(state, folders, state.CurrentPageFileName);
    return FirstFailure(opened, RegenerateMenusAndSavePages(state, folders));
}

TPageHead OpenPageHead(const SiteState& state, const Folders& folders) {
    return ReadPageHead(LoadTextFile(PageFilePath(folders, state.CurrentPageFileName)));
}

Result SetPageProperties(SiteState& state, const Folders& folders, const TPageHead& head) {
    const int index = openPageIndex(state);
    if (index < 0)
        return noOpenPage();
    const QString copy = EditingCopyPath(folders);
    if (!QFileInfo(copy).isFile())
        return missingEditingCopy(folders);
    TSitePage& page = state.Pages[index];
    setHead(page, head);
    page.Changed = true;
    const QString text = WritePageHead(LoadTextFile(copy), page);
    Result result = SaveTextFile(text, copy);
    result = FirstFailure(result,
                          SaveTextFile(MakeLinksReal(text), PageFilePath(folders, page.FileName)));
    state.PageModified = true;
    return FirstFailure(result, SavePages(state, folders));
}

#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// Every page file carries its own copy of the site's menus. They are rebuilt from the sample
// items of the template's model pages ("index.html", "about-us.html", "contact-us.html"):
// the first page gets the home item's markup, the last the contact-us item's, and each page
// its own item in the current-page form of its model.

// What a regeneration did, for measuring it.
struct MenuRunStats {
    int modelFilesRead = 0;
    int pageFilesWritten = 0;
    qint64 bytesWritten = 0;
};

// Rebuilds the main menu and the second menu of every page from the current order, labels
// and file names, and sets Changed of every page written. The main-menu items of pages whose
// ShowInMenu is false come out hidden, so the menus agree with the page list.
// Each model page is read once per run. A page whose file is missing is left missing.
// Does not save the page table.
Result RegenerateMenus(SiteState& state, const Folders& folders, MenuRunStats* stats = nullptr);

// Hides page k's item in every page (when its ShowInMenu is false or forceHide is set) by
// turning its text into a comment, or shows it again. Only the menu part of a page (after
// "sys_navigation") is searched; a page without the item is left unchanged. Does not save
// the page table.
Result SetMenuItemVisibility(SiteState& state, const Folders& folders, int k, bool forceHide);

#pragma once

#include "generator/page_head.h"
#include "pages/page_name_fields.h"
#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// What the page dialogs' OK does. Each acts on the page open in the editor
// (CurrentPageFileName), saves the page table and regenerates the menus as its dialog does,
// and on a refused check changes nothing and says which field to focus.

// The menus of every page rebuilt, then the page table saved with the pages marked changed.
Result RegenerateMenusAndSavePages(SiteState& state, const Folders& folders);

// A new page from the template's "index.html", opened for editing. Its record starts fresh,
// with the head values of its file.
Result NewPage(SiteState& state, const Folders& folders, PageNameFields& fields);

// A copy of the open page, unsaved changes included, under a new name; the editor goes on
// with the copy. The record takes New Page's flags and the copied page's head values.
Result SavePageAs(SiteState& state, const Folders& folders, PageNameFields& fields);

// New file name (the home page keeps its own) and label of the open page. A file left over
// under the new name by an earlier site is replaced; a page file that cannot be renamed is
// reported and nothing changes.
Result RenamePage(SiteState& state, const Folders& folders, PageNameFields& fields);

// Deletes the open page and its files and opens page 0. The home page is refused.
Result DeletePage(SiteState& state, const Folders& folders);

// The open page's head as its file has it, for the Page Properties fields.
TPageHead OpenPageHead(const SiteState& state, const Folders& folders);

// New head values for the open page: written into its record, its editing copy and its page
// file; the page table is saved so the record keeps them.
Result SetPageProperties(SiteState& state, const Folders& folders, const TPageHead& head);

#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// Rebuilds every page file from the chosen template's "index.html" carrying the page's
// regions 1 to 4 and its own head, and sets Changed. A page that lacks one of the four
// regions keeps its own text, with only its head rewritten. Preview copies are not touched.
Result ApplyTemplateToPages(SiteState& state, const Folders& folders);

// The file work of giving the site the chosen template: its assets, every page rebuilt, the
// menus regenerated with exactly the pages whose ShowInMenu is false hidden, page "index"
// opened for editing, the account (with SelectedTemplateIndex) and the page table (with the
// pages marked changed) saved. (The save lock is the window's.)
Result ApplyTemplate(SiteState& state, const Folders& folders);

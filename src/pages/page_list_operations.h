#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// The page list's own operations, behind its show/hide tick and its row drag.

// Flips page k's ShowInMenu, hides or shows its item in every page, saves the page table.
Result TogglePageMenuVisibility(SiteState& state, const Folders& folders, int k);

// Row from dropped on row to: the pages between shift, the selector is rebuilt with no
// selected row, the page table is saved and the menus regenerated in the new order.
Result MovePageInList(SiteState& state, const Folders& folders, int from, int to);

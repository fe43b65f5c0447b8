#include "pages/page_list_operations.h"

#include "generator/menus.h"
#include "generator/result_chain.h"
#include "pages/page_operations.h"
#include "site/page_table.h"
#include "site/settings_store.h"

namespace {

Result noSuchRow(int row) {
    return Result::failure(QStringLiteral("There is no page in row %1.").arg(row));
}

bool isRow(const SiteState& state, int row) {
    return row >= 0 && row < state.pageCount();
}

} // namespace

Result TogglePageMenuVisibility(SiteState& state, const Folders& folders, int k) {
    if (!isRow(state, k))
        return noSuchRow(k);
    state.Pages[k].ShowInMenu = !state.Pages[k].ShowInMenu;
    const Result shown = SetMenuItemVisibility(state, folders, k, false);
    return FirstFailure(shown, SavePages(state, folders));
}

Result MovePageInList(SiteState& state, const Folders& folders, int from, int to) {
    if (!isRow(state, from))
        return noSuchRow(from);
    if (!isRow(state, to))
        return noSuchRow(to);
    MovePage(state, from, to);
    state.SelectedPageIndex = -1;
    return RegenerateMenusAndSavePages(state, folders);
}

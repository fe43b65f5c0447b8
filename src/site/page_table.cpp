#include "site/page_table.h"

QString PageCapacityMessage() {
    return QStringLiteral("A site can have at most %1 pages.").arg(PageCapacity);
}

Result AppendPage(SiteState& state, const QString& fileName, int* slotIndex) {
    if (state.pageCount() >= PageCapacity)
        return Result::failure(PageCapacityMessage());
    state.PageSelector.append(fileName);
    const int slot = state.pageCount() - 1;
    state.Pages[slot].FileName = fileName;
    if (slotIndex)
        *slotIndex = slot;
    return Result::success();
}

void DeleteCurrentPage(SiteState& state) {
    const int count = state.pageCount();
    const int current = state.SelectedPageIndex;
    if (current < 0 || current >= count)
        return;
    for (int i = current; i <= count - 2; ++i)
        state.Pages[i] = state.Pages[i + 1];
    state.PageSelector.removeAt(current);
    SelectPage(state, 0);
}

void MovePage(SiteState& state, int from, int to) {
    const int count = state.pageCount();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    const TSitePage moved = state.Pages[from];
    if (from < to) {
        for (int i = from; i < to; ++i)
            state.Pages[i] = state.Pages[i + 1];
    } else {
        for (int i = from; i > to; --i)
            state.Pages[i] = state.Pages[i - 1];
    }
    state.Pages[to] = moved;
    for (int i = 0; i < count; ++i)
        state.PageSelector[i] = state.Pages[i].FileName;
}

int FindPage(const SiteState& state, const QString& fileName) {
    return int(state.PageSelector.indexOf(fileName));
}

void SelectPage(SiteState& state, int index) {
    if (index < 0 || index >= state.pageCount()) {
        state.SelectedPageIndex = -1;
        state.CurrentPageFileName.clear();
        return;
    }
    state.SelectedPageIndex = index;
    state.CurrentPageFileName = state.PageSelector.at(index);
}

void ClearPageSelector(SiteState& state) {
    state.PageSelector.clear();
    state.SelectedPageIndex = -1;
    state.CurrentPageFileName.clear();
}

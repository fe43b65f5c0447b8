#include "pages/page_switch.h"

#include "generator/edit_copies.h"
#include "site/page_table.h"

namespace {

// Puts the selector back on the page the editor shows.
void keepEditorPage(SiteState& state) {
    state.SelectedPageIndex = FindPage(state, state.CurrentPageFileName);
}

Result openSelectedPage(SiteState& state, const Folders& folders) {
    const int picked = state.SelectedPageIndex;
    if (picked < 0 || picked >= state.pageCount())
        return Result::success();
    const Result opened = LoadPageForEditing(state, folders, state.PageSelector.at(picked));
    if (!opened)
        keepEditorPage(state);
    return opened;
}

} // namespace

bool AskToSaveChanges(const SiteState& state, bool editorShown) {
    return editorShown && state.PageModified;
}

Result SwitchPage(SiteState& state, const Folders& folders, int picked, bool editorShown) {
    if (picked < 0 || picked >= state.pageCount())
        return Result::success();
    state.SelectedPageIndex = picked;
    if (AskToSaveChanges(state, editorShown)) {
        state.PendingPageSwitch = true;
        return Result::success();
    }
    return openSelectedPage(state, folders);
}

Result AnswerSavePageQuestion(SiteState& state, const Folders& folders, bool save) {
    const bool pending = state.PendingPageSwitch;
    state.PendingPageSwitch = false;
    if (save) {
        if (const Result saved = SavePage(state, folders); !saved) {
            keepEditorPage(state);
            return saved;
        }
    }
    return pending ? openSelectedPage(state, folders) : Result::success();
}

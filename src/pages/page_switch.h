#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// The unsaved-changes bookkeeping of the editor: leaving a page with changes first asks
// whether to save them, and a page picked meanwhile is opened once the question is answered.

// True when the Save Page question must be shown before leaving the editor's page.
bool AskToSaveChanges(const SiteState& state, bool editorShown);

// The user picked row picked of the page selector. With unsaved changes in the shown editor
// this only sets PendingPageSwitch (the window then shows the question); otherwise the page
// is opened.
Result SwitchPage(SiteState& state, const Folders& folders, int picked, bool editorShown);

// The Save Page question answered: save (OK) or not ("Don't Save", close). A pending switch is
// carried out afterwards; a save that fails keeps the editor, and the selector, on the page.
Result AnswerSavePageQuestion(SiteState& state, const Folders& folders, bool save);

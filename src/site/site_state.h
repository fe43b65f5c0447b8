#pragma once

#include "site/account.h"
#include "site/site_page.h"

#include <QStringList>
#include <vector>

inline constexpr int PageCapacity = 1001;

// Everything the program knows about the one site it edits. The window owns the one
// instance of a run; operations take it as a parameter; tests make their own.
struct SiteState {
    TAccount Account;
    // Slots 0 .. PageCapacity-1. Slots past the page count are never cleared: a slot keeps
    // whatever it last held.
    std::vector<TSitePage> Pages = std::vector<TSitePage>(PageCapacity);
    // The page selector: the pages' FileNames in page order, and the selected row.
    QStringList PageSelector;
    int SelectedPageIndex = -1;
    QString CurrentPageFileName;
    int LastPageIndex = -1;
    int SelectedTemplateIndex = 0;
    TOwnFtpSettings OwnFtpSettings;
    // The page in the editor has changes its page file does not have yet.
    bool PageModified = false;
    // Another page was picked while the unsaved-changes question was up; the switch waits
    // for the answer.
    bool PendingPageSwitch = false;

    int pageCount() const { return int(PageSelector.size()); }
};

#pragma once

#include "site/result.h"
#include "site/site_state.h"

// Table operations shared by every part that adds, removes, moves or picks pages. Each keeps
// the page selector and the page slots in step.

// Adds fileName as the last page and returns its slot through slotIndex. Only FileName is
// written; the caller fills the other fields it owns. Refused when the table is full.
Result AppendPage(SiteState& state, const QString& fileName, int* slotIndex = nullptr);

// Removes the selected page by shifting the later records down, then selects page 0.
// The vacated last slot keeps its old record.
void DeleteCurrentPage(SiteState& state);

// Moves the record at from to to, shifting the records between them, and rebuilds the
// selector from the slots.
void MovePage(SiteState& state, int from, int to);

// The index of fileName among the selector's items, or -1.
int FindPage(const SiteState& state, const QString& fileName);

// Selects row index and makes its file name the current page.
void SelectPage(SiteState& state, int index);

// Empties the selector (the slots keep their records).
void ClearPageSelector(SiteState& state);

QString PageCapacityMessage();

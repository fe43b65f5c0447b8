#pragma once

#include "site/result.h"

#include <QString>

class TForm1;

// The page editor screen's edit view (WebBrowser3), which shows the editing copy of the page.

// Lays out the editor screen: the edit view's host area at left 8, top 63, filling the rest.
void LayoutEditScreen(TForm1& form);

// Shows the editing copy "editpage_.html" in the edit view, read afresh.
void ShowEditingCopy(TForm1& form);

// Opens page fileName for editing and shows its editing copy in the edit view.
Result OpenPageInEditView(TForm1& form, const QString& fileName);

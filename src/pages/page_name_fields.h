#pragma once

#include "site/result.h"
#include "site/site_state.h"

#include <QString>

// The file name and label fields shared by the New Page, Save Page As and Rename Page
// dialogs. The checks write the cleaned texts back, so the user sees them, and say which
// field a failure belongs to.
struct PageNameFields {
    enum class Field { None, FileName, Label };

    QString FileName;
    QString Label;
    Field focus = Field::None;
};

// Trims the label, cleans the file name, and refuses an empty file name or label, a file name
// that another page (any but ownIndex) already has in any letter case, and the names of the
// program's own scratch files.
Result CheckPageNameFields(const SiteState& state, PageNameFields& fields, int ownIndex = -1);

#pragma once

#include <QString>

// Removes the 30 characters ~!@#$%^&*()_,./{}\|+=[];':"<>? and turns every space into "-".
// Everything else stays, so a cleaned name can never name a path outside its folder.
QString SanitiseSiteName(const QString& text);

// A page's file name as typed, trimmed and cleaned like a site name.
QString CleanPageFileName(const QString& text);

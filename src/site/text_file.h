#pragma once

#include "site/result.h"

#include <QString>

// The whole file as lines, each followed by CR LF, decoded from windows-1252. A missing file
// gives the empty text.
QString LoadTextFile(const QString& path);

// Creates or truncates path and writes text and one CR LF in windows-1252. A file that
// cannot be written is reported, and an existing file is never left half-written.
Result SaveTextFile(const QString& text, const QString& path);

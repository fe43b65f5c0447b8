#pragma once

#include "cli/cli_command.h"
#include "site/result.h"

#include <optional>

// A non-negative decimal number as typed on the command line; nothing else converts.
std::optional<int> ParseCount(const QString& text);

// Commands that work on a site refuse to run before one exists.
bool SiteExists(const CliContext& c);
int NoSiteYet(const CliContext& c);

// The index of the page FILE, or -1 after reporting that there is none.
int PageIndexOrFail(const CliContext& c, const QString& fileName, int* status);

// Done, or the result's message with exit status 1.
int Finish(const CliContext& c, const Result& result);

// Opens FILE for editing, as the window does before the command's dialog; false after
// reporting why it could not.
bool OpenPageFirst(CliContext& c, const QString& fileName, int* status);

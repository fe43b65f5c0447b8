#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// Writes the site as static files into folder: every page as "FileName.html" with ".php"
// links turned into ".html" (replacing files of that name), the pictures the pages use, and
// WorkDir's "bin/" assets (files already in the folder's "bin/" are kept). The site itself is
// not touched. Succeeds with "Done Exporting."; a folder that cannot be written, a page file
// that is missing or a picture that cannot be copied is reported.
Result ExportSiteToFolder(const SiteState& state, const Folders& folders, const QString& folder);

QString DoneExportingMessage();

#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// Appends one default page of a new site as a fresh record (nothing is kept from the slot's
// earlier page) and gives it a preview copy of the template's "index.html" when it has none.
Result AddTemplatePage(SiteState& state, const Folders& folders, const QString& templateFolder,
                       const QString& label, const QString& fileName);

// The worker part of creating a site from the chosen template: four default pages from the
// template's sample pages (its "index.html" standing in for a missing one), the template's
// assets and the default picture in the working folder, the account and the page table
// saved, page "index" selected. A failure is reported and leaves the site, its page files
// and the stored values as they were.
Result CreateSiteRun(SiteState& state, const Folders& folders);

// Copies the chosen template's "bin/" into WorkDir "bin/" and "preview/bin/" after clearing
// their top-level files.
void InstallTemplateAssets(const QString& templateFolder, const Folders& folders);

// The worker's wait at the end of a creation that took elapsedMs: one faster than 2000 ms
// waits a further full 2000 ms, so the busy overlay stays up long enough to be read.
int NewSiteExtraWaitMs(qint64 elapsedMs);

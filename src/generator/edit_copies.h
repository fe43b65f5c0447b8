#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// The editor never shows a page file itself: it shows the editing copy "editpage_.html" with
// inert links, and saving writes that copy back with real links. The preview makes a third
// set of copies in "preview/" with local links.

QString EditingCopyPath(const Folders& folders);
QString PageFilePath(const Folders& folders, const QString& fileName);
QString PreviewFilePath(const Folders& folders, const QString& fileName);

// Opens page fileName in the editor: selects it and makes its editing copy. An empty name does
// nothing. A page that is not in the site, or whose file is missing, is reported and nothing
// changes (the previous editing copy stays as it was).
Result LoadPageForEditing(SiteState& state, const Folders& folders, const QString& fileName);

// Writes the editing copy, links made real, to the current page's file, clears PageModified
// and saves the page table (so the page's Changed mark is kept). Nothing happens without an open
// page; a missing editing copy is reported rather than saved over the page. (The save lock is the
// window's.)
Result SavePage(SiteState& state, const Folders& folders);

// Refreshes every page's preview copy and the pictures "tavo_img1.jpg" ... up to the first
// gap; previewFile receives the preview copy of the selected page.
Result PreviewSite(const SiteState& state, const Folders& folders, QString* previewFile = nullptr);

// Region n of the editing copy gets content, unchanged, as the region editor's OK does; the
// page is marked modified and changed. A region the copy does not have is reported.
Result WriteRegionToEditingCopy(SiteState& state, const Folders& folders, int n,
                                const QString& content);

#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

// The site between runs: one flat per-user INI file of string values. Each operation opens
// the store once and, when it writes, commits once, atomically, so a crash leaves either
// the old or the new values, never a mix.

// Start-up, first pass: the account values, with their defaults for absent or unusable text.
void LoadAccount(SiteState& state, const Folders& folders);

// Start-up, second pass: own-FTP settings and, when a site is stored, the account again and
// the page table. Returns true when a site was loaded (the window then opens its page list).
// A stored number that does not convert ends the load there, keeping what was read.
bool LoadSite(SiteState& state, const Folders& folders);

Result SaveAccount(const SiteState& state, const Folders& folders);
Result SavePages(const SiteState& state, const Folders& folders);
Result SaveOwnFtpSettings(const SiteState& state, const Folders& folders);

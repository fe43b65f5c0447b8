#pragma once

#include "site/account.h"
#include "site/result.h"

#include <QString>

// The start panel's checks of a new site's name, in order; the first that fails is the
// message shown beside the name box.
Result CheckNewSiteName(const QString& typedName);

// A new site starts from an empty account: its short name comes from the name as typed.
// HostingPackage and UnixCreated are kept.
void ResetAccountForNewSite(TAccount& account, const QString& typedName);

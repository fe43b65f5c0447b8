#pragma once

#include "service/service_config.h"
#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

#include <functional>

// "/tavosites/" + UnixName + "/": the hosted site's folder on the service's FTP server.
QString HostedSiteFolder(const TAccount& account);
// UnixName + "." + SiteDomain: the hosted site's address.
QString SiteAddress(const TAccount& account, const ServiceConfig& config);

// When the site has no address yet, asks the service for one ("newunix.php"). A non-empty
// reply becomes UnixName and sets UnixCreated; before that, whenCreated is called with the
// name as it was sent. An empty reply leaves UnixCreated false and is not an error. The
// account is stored in either case; only a store that cannot be written fails.
Result EnsureSiteAddress(SiteState& state, const Folders& folders, const ServiceConfig& config,
                         const std::function<void(const QString& sentName)>& whenCreated = {});

#include "service/site_address.h"

#include "service/service_request.h"
#include "service/service_urls.h"
#include "site/settings_store.h"

QString HostedSiteFolder(const TAccount& account) {
    return QStringLiteral("/tavosites/") + account.UnixName + QLatin1Char('/');
}

QString SiteAddress(const TAccount& account, const ServiceConfig& config) {
    return account.UnixName + QLatin1Char('.') + config.SiteDomain;
}

Result EnsureSiteAddress(SiteState& state, const Folders& folders, const ServiceConfig& config,
                         const std::function<void(const QString& sentName)>& whenCreated) {
    TAccount& account = state.Account;
    if (account.UnixCreated)
        return Result::success();
    const QString reply = FetchServiceReply(NewUnixUrl(config, account.UnixName), folders);
    if (!reply.isEmpty()) {
        if (whenCreated)
            whenCreated(account.UnixName);
        account.UnixName = reply;
        account.UnixCreated = true;
    }
    return SaveAccount(state, folders);
}

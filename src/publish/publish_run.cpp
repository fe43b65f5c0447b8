#include "publish/publish_run.h"

#include "generator/template_library.h"
#include "publish/hosted_upload.h"
#include "publish/own_server_upload.h"
#include "service/account_reply.h"
#include "service/service_request.h"
#include "service/service_urls.h"
#include "service/site_address.h"
#include "site/settings_store.h"

namespace {

bool isTier(const SiteState& state, const char* tier) {
    return state.Account.HostingPackage == QLatin1String(tier);
}

UploadReport uploadByTier(SiteState& state, const Folders& folders, const ServiceConfig& config) {
    if (isTier(state, "basic")) {
        const FtpTarget target{config.ServiceFtpHost, config.ServiceFtpPort, config.ServiceFtpUser,
                               config.ServiceFtpPassword, HostedSiteFolder(state.Account)};
        const PhpPageTarget php{config.ServiceBaseUrl, state.Account.UnixName,
                                state.SelectedTemplateIndex};
        return UploadHostedSite(state, folders, target, php);
    }
    if (isTier(state, "gold")) {
        const TOwnFtpSettings& own = state.OwnFtpSettings;
        const FtpTarget target{own.FTPHost, own.FTPPort, own.FTPUsername, own.FTPPassword,
                               own.FTPDirectory};
        const QString design = SelectedTemplateFolder(state, folders);
        const QString assets = design.isEmpty() ? QString() : design + QStringLiteral("bin/");
        return UploadOwnServerSite(state, folders, target, assets);
    }
    return {};
}

} // namespace

QString PublishFailedMessage() {
    return QStringLiteral(
        "There was a problem publishing your site. Please check your internet connection.");
}

std::optional<QString> PublishedAddressLine(const SiteState& state, const ServiceConfig& config,
                                            bool* iconShown) {
    if (iconShown)
        *iconShown = false;
    if (isTier(state, "basic"))
        return SiteAddress(state.Account, config);
    if (!isTier(state, "gold"))
        return std::nullopt;
    const QString host = state.OwnFtpSettings.FTPHost;
    const qsizetype at = host.toLower().indexOf(QLatin1String("ftp."));
    if (at < 0)
        return QStringLiteral("To your custom domain.");
    if (iconShown)
        *iconShown = true;
    return host.mid(at + 4);
}

PublishOutcome PublishRun(SiteState& state, const Folders& folders, const ServiceConfig& config) {
    PublishOutcome result;
    if (const Result created = EnsureSiteAddress(state, folders, config); !created) {
        result.outcome = ServiceOutcome::error(created.message);
        return result;
    }

    const QString pagesReply = FetchServiceReply(
        UpdatePagesUrl(config, state.Account.UnixName, PageListText(state)), folders);
    if (pagesReply.isEmpty()) {
        result.outcome = ServiceOutcome::error(PublishFailedMessage());
        return result;
    }

    const UploadReport report = uploadByTier(state, folders, config);
    result.filesPut = report.filesPut();
    result.connectionsOpened = report.connectionsOpened();
    // The flags of the pages that did go up are stored even when others failed.
    const Result saved = SavePages(state, folders);
    if (!report.ok()) {
        result.outcome = ServiceOutcome::error(report.message());
        return result;
    }
    if (!saved) {
        result.outcome = ServiceOutcome::error(saved.message);
        return result;
    }
    result.addressLine = PublishedAddressLine(state, config, &result.addressIconShown);
    result.outcome.next = ServiceOutcome::Next::PublishedPanel;
    return result;
}

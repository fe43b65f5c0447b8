#include "service/account_save.h"

#include "publish/hosted_upload.h"
#include "service/service_request.h"
#include "service/service_urls.h"
#include "service/site_address.h"
#include "site/name_cleaning.h"
#include "site/settings_store.h"

namespace {

// The placeholder home page of a new address; a failed upload is not reported, as the first
// publish run puts the real home page there.
void uploadPlaceholder(const Folders& folders, const ServiceConfig& config, const SiteState& state,
                       const QString& sentName) {
    const FtpTarget target{config.ServiceFtpHost, config.ServiceFtpPort, config.ServiceFtpUser,
                           config.ServiceFtpPlaceholderPassword,
                           QStringLiteral("/tavosites/") + sentName + QLatin1Char('/')};
    const PhpPageTarget php{config.ServiceBaseUrl, sentName, state.SelectedTemplateIndex};
    UploadHostedFile(target, folders.appDataDir + PlaceholderPageFileName(),
                     QStringLiteral("index.html"), php);
}

} // namespace

QString PlaceholderPageFileName() {
    return QStringLiteral("_pblank.html");
}

AccountForm AccountFormFromAccount(const TAccount& a) {
    return {a.FirstName,      a.LastName, a.Email,       a.Password,    a.Password, a.UnixName,
            a.TavoSiteStatus, a.FtpHost,  a.FtpUsername, a.FtpPassword, a.FtpPort,  a.FtpPath};
}

bool TakeAccountForm(SiteState& state, const AccountForm& form, QString& oldUnixName) {
    if (form.Password != form.Confirm)
        return false;
    TAccount& a = state.Account;
    oldUnixName = a.UnixName;
    a.FirstName = form.FirstName;
    a.LastName = form.LastName;
    a.Email = form.Email;
    a.Password = form.Password;
    a.UnixName = SanitiseSiteName(form.SiteUrl);
    a.TavoSiteStatus = form.Enable;
    a.FtpHost = form.FtpHost;
    a.FtpUsername = form.FtpUsername;
    a.FtpPassword = form.FtpPassword;
    a.FtpPort = form.FtpPort;
    a.FtpPath = form.FtpPath;
    return true;
}

ServiceOutcome AccountSaveRun(SiteState& state, const Folders& folders, const ServiceConfig& config,
                              const QString& oldUnixName) {
    TAccount& account = state.Account;
    const Result created = EnsureSiteAddress(state, folders, config, [&](const QString& sentName) {
        uploadPlaceholder(folders, config, state, sentName);
    });
    if (!created)
        return ServiceOutcome::error(created.message);

    if (account.UnixName != oldUnixName) {
        const QString renamed =
            FetchServiceReply(ChangeUnixUrl(config, oldUnixName, account.UnixName), folders);
        if (!renamed.isEmpty())
            account.UnixName = renamed;
    }

    const QString reply = FetchServiceReply(UpdateAccUrl(config, account), folders);
    if (reply.isEmpty())
        return ServiceOutcome::error(QStringLiteral("There was a problem saving your account "
                                                    "information. Please check your internet "
                                                    "connection."));
    account.UnixName = reply;
    if (const Result saved = SaveAccount(state, folders); !saved)
        return ServiceOutcome::error(saved.message);
    return ServiceOutcome::information(
        QStringLiteral("Your account's  information was successfully saved."));
}

QString ConfirmationDiffersMessage() {
    return QStringLiteral("The password and its confirmation differ.");
}

#include "service/login.h"

#include "service/account_reply.h"
#include "service/service_request.h"
#include "service/service_urls.h"
#include "site/name_cleaning.h"
#include "site/page_table.h"
#include "site/settings_store.h"
#include "site/text_file.h"

#include <QDir>

namespace {

constexpr int ShortestAccountReply = 9;
constexpr int HighestServiceTemplate = 150;

// Only names the program would give a page itself are accepted: nothing in a reply can then
// name a file outside WorkDir.
bool acceptable(const AccountReply& reply) {
    if (reply.Pages.size() > PageCapacity)
        return false;
    for (const TSitePage& page : reply.Pages)
        if (page.FileName.isEmpty() || CleanPageFileName(page.FileName) != page.FileName)
            return false;
    return true;
}

Result restorePage(const ServiceConfig& config, const QString& unixName, const QString& fileName,
                   const QString& workDir) {
    const QString path = workDir + fileName + QStringLiteral(".html");
    // A page that cannot be fetched starts empty: a file of that name may be left from
    // another site, and publishing it later would put that site's text on this one.
    if (!DownloadUrlToFile(PublishedPageUrl(config, unixName, fileName), path))
        return SaveTextFile(QString(), path);
    return SaveTextFile(StripServiceTemplateAddresses(LoadTextFile(path), config), path);
}

} // namespace

QString LoginRefusedMessage() {
    return QStringLiteral("The login details you entered are incorrect. Please try again.");
}
QString EnterEmailMessage() {
    return QStringLiteral("Please Enter Your Email Address.");
}
QString EnterPasswordMessage() {
    return QStringLiteral("You must enter a password.");
}

QString StripServiceTemplateAddresses(QString page, const ServiceConfig& config) {
    for (int n = 0; n <= HighestServiceTemplate; ++n)
        page.remove(ServiceTemplateUrl(config, n), Qt::CaseSensitive);
    return page;
}

ServiceOutcome LoginRun(SiteState& state, const Folders& folders, const ServiceConfig& config,
                        const QString& email, const QString& password) {
    const QString replyText = FetchServiceReply(LoginUrl(config, email, password), folders);
    if (replyText.size() < ShortestAccountReply)
        return ServiceOutcome::refused(LoginRefusedMessage());
    const AccountReply reply = ParseAccountReply(replyText);
    if (!acceptable(reply))
        return ServiceOutcome::refused(LoginRefusedMessage());

    const QString workDir = folders.WorkDir();
    if (!QDir().mkpath(workDir))
        return ServiceOutcome::error(
            QStringLiteral("The working folder %1 could not be created.").arg(workDir));

    ApplyAccountReply(reply, state.Account);
    ClearPageSelector(state);
    for (const TSitePage& record : reply.Pages) {
        int slot = 0;
        AppendPage(state, record.FileName, &slot);
        state.Pages[slot] = record;
        if (const Result restored =
                restorePage(config, state.Account.UnixName, record.FileName, workDir);
            !restored)
            return ServiceOutcome::error(restored.message);
    }
    state.LastPageIndex = state.pageCount() - 1;
    for (const Result& saved : {SavePages(state, folders), SaveAccount(state, folders)})
        if (!saved)
            return ServiceOutcome::error(saved.message);
    return {true, ServiceOutcome::Message::None, {}, ServiceOutcome::Next::PageList};
}

ServiceOutcome PasswordMailRun(const Folders& folders, const ServiceConfig& config,
                               const QString& email) {
    if (FetchServiceReply(EmailPasswordUrl(config, email), folders) == QLatin1String("done"))
        return ServiceOutcome::information(QStringLiteral("Your password has been sent to ") +
                                           email + QLatin1Char('.'));
    return ServiceOutcome::error(QStringLiteral("There was a problem sending your password. "
                                                "Please check your internet connection."));
}

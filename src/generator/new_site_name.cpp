#include "generator/new_site_name.h"

#include "site/name_cleaning.h"

Result CheckNewSiteName(const QString& typedName) {
    const QString trimmed = typedName.trimmed();
    if (trimmed.isEmpty())
        return Result::failure(QStringLiteral("Please Enter Your Site's Name."));
    if (trimmed.size() < 2)
        return Result::failure(QStringLiteral("The Name You Entered Is Too Short."));
    const bool hasLetter = std::any_of(typedName.cbegin(), typedName.cend(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    });
    if (!hasLetter)
        return Result::failure(QStringLiteral("The Name You Entered Has No Letters."));
    return Result::success();
}

void ResetAccountForNewSite(TAccount& account, const QString& typedName) {
    account.FirstName.clear();
    account.LastName.clear();
    account.Email.clear();
    account.Password.clear();
    account.Domain.clear();
    account.FtpHost.clear();
    account.FtpUsername.clear();
    account.FtpPassword.clear();
    account.FtpPath.clear();
    account.FtpPort = 25;
    account.TavoSiteStatus = true;
    account.UnixName = SanitiseSiteName(typedName);
}

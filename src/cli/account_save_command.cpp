// tavo account save [...]: the My Account screen filled from the account, the given fields
// typed (--confirm defaults to the password), Save.
#include "cli/service_cli.h"
#include "service/account_save.h"

namespace {

constexpr char UsageText[] = "account save [--first-name X] [--last-name X] [--email X] "
                             "[--password X] [--confirm X] [--site-url X] [--enable or --disable] "
                             "[--ftp-host X] [--ftp-user X] [--ftp-password X] [--ftp-port N] "
                             "[--ftp-path X]";
const QString Usage = QLatin1String(UsageText);

struct TextOption {
    const char* name;
    QString AccountForm::*field;
};
constexpr TextOption TextOptions[] = {
    {"--first-name", &AccountForm::FirstName}, {"--last-name", &AccountForm::LastName},
    {"--email", &AccountForm::Email},          {"--password", &AccountForm::Password},
    {"--site-url", &AccountForm::SiteUrl},     {"--ftp-host", &AccountForm::FtpHost},
    {"--ftp-user", &AccountForm::FtpUsername}, {"--ftp-password", &AccountForm::FtpPassword},
    {"--ftp-path", &AccountForm::FtpPath}};

int runAccountSave(CliContext& c) {
    QStringList valueNames{QStringLiteral("--confirm"), QStringLiteral("--ftp-port")};
    for (const TextOption& option : TextOptions)
        valueNames << QLatin1String(option.name);
    CliOptions options;
    if (!ParseCliOptions(c.args, valueNames,
                         {QStringLiteral("--enable"), QStringLiteral("--disable")}, options) ||
        options.switches.size() > 1)
        return c.usage(Usage);

    AccountForm form = AccountFormFromAccount(c.state.Account);
    for (const TextOption& option : TextOptions)
        if (const auto typed = options.value(option.name))
            form.*option.field = *typed;
    form.Confirm = options.value("--confirm").value_or(form.Password);
    if (options.switches.contains(QStringLiteral("--enable")))
        form.Enable = true;
    if (options.switches.contains(QStringLiteral("--disable")))
        form.Enable = false;
    if (const auto port = options.value("--ftp-port")) {
        const std::optional<int> parsed = ParsePort(*port);
        if (!parsed)
            return c.usage(Usage);
        form.FtpPort = *parsed;
    }

    const std::optional<ServiceConfig> config = LoadCliServiceConfig(c);
    if (!config)
        return CliContext::Failed;
    QString oldUnixName;
    if (!TakeAccountForm(c.state, form, oldUnixName))
        return c.fail(ConfirmationDiffersMessage());
    return FinishServiceOutcome(c, AccountSaveRun(c.state, c.folders, *config, oldUnixName));
}

const CliCommand accountSave("account save", UsageText, runAccountSave);

} // namespace

// tavo password-mail EMAIL: the forgotten-password link with EMAIL typed.
#include "cli/service_cli.h"
#include "service/login.h"

namespace {

int runPasswordMail(CliContext& c) {
    if (c.args.size() != 1)
        return c.usage(QStringLiteral("password-mail EMAIL"));
    const QString email = c.args.at(0);
    if (email.trimmed().isEmpty())
        return c.fail(EnterEmailMessage());
    const std::optional<ServiceConfig> config = LoadCliServiceConfig(c);
    if (!config)
        return CliContext::Failed;
    return FinishServiceOutcome(c, PasswordMailRun(c.folders, *config, email));
}

const CliCommand passwordMail("password-mail", "password-mail EMAIL", runPasswordMail);

} // namespace

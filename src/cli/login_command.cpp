// tavo login EMAIL: Next in Existing Site mode with EMAIL typed and the password read from the
// first line of standard input.
#include "cli/service_cli.h"
#include "service/login.h"

#include <cstdio>

namespace {

QString passwordFromInput() {
    QTextStream in(stdin);
    QString line = in.readLine();
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

int runLogin(CliContext& c) {
    if (c.args.size() != 1)
        return c.usage(QStringLiteral("login EMAIL"));
    const QString email = c.args.at(0);
    if (email.trimmed().isEmpty())
        return c.fail(EnterEmailMessage());
    const QString password = passwordFromInput();
    if (password.trimmed().isEmpty())
        return c.fail(EnterPasswordMessage());
    const std::optional<ServiceConfig> config = LoadCliServiceConfig(c);
    if (!config)
        return CliContext::Failed;
    return FinishServiceOutcome(c, LoginRun(c.state, c.folders, *config, email, password));
}

const CliCommand login("login", "login EMAIL (password on the first line of standard input)",
                       runLogin);

} // namespace

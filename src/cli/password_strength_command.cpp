// tavo password-strength PASSWORD: the rating shown beside "Password Strength:".
#include "cli/cli_command.h"
#include "service/password_strength.h"

namespace {

int runPasswordStrength(CliContext& c) {
    if (c.args.size() != 1)
        return c.usage(QStringLiteral("password-strength PASSWORD"));
    c.out << PasswordStrength(c.args.at(0)).text << Qt::endl;
    return CliContext::Done;
}

const CliCommand passwordStrength("password-strength", "password-strength PASSWORD",
                                  runPasswordStrength);

} // namespace

#include "cli/cli_command.h"

namespace {
QList<CliCommandEntry>& registry() {
    static QList<CliCommandEntry> commands;
    return commands;
}
} // namespace

CliCommand::CliCommand(const char* words, const char* usage, CliHandler handler) {
    registry().append(
        {QString::fromLatin1(words).split(QLatin1Char(' ')), QString::fromLatin1(usage), handler});
}

const QList<CliCommandEntry>& CliCommands() {
    return registry();
}

int CliContext::fail(const QString& message) const {
    err << message << Qt::endl;
    return Failed;
}

int CliContext::usage(const QString& usageLine) const {
    err << "usage: tavo " << usageLine << Qt::endl;
    return Usage;
}

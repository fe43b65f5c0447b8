#pragma once

#include "cli/cli_command.h"
#include "service/service_config.h"
#include "service/service_outcome.h"

#include <QHash>
#include <QSet>
#include <optional>

// What the commands that talk to the hosting service share.

// The service configuration of this run (data/service.ini or --service-config FILE); nullopt
// after reporting a file that cannot be read.
std::optional<ServiceConfig> LoadCliServiceConfig(const CliContext& c);

// Exit status and output of a worker operation's outcome: its message on standard output when
// it succeeded, on standard error when it did not.
int FinishServiceOutcome(const CliContext& c, const ServiceOutcome& outcome);

// "--name value" options and "--switch" flags, each allowed at most once.
struct CliOptions {
    QHash<QString, QString> values;
    QSet<QString> switches;
    std::optional<QString> value(const char* name) const;
};
// False for anything not listed, a repeated option or an option without its value.
bool ParseCliOptions(const QStringList& args, const QStringList& valueNames,
                     const QStringList& switchNames, CliOptions& options);

// A port typed on the command line: 1 to 65535.
std::optional<int> ParsePort(const QString& text);

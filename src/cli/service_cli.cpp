#include "cli/service_cli.h"

#include "cli/cli_arguments.h"

std::optional<ServiceConfig> LoadCliServiceConfig(const CliContext& c) {
    ServiceConfig config;
    if (const Result loaded = LoadServiceConfig(c.serviceConfigPath, config); !loaded) {
        c.fail(loaded.message);
        return std::nullopt;
    }
    return config;
}

int FinishServiceOutcome(const CliContext& c, const ServiceOutcome& outcome) {
    if (!outcome.ok)
        return c.fail(outcome.message);
    if (!outcome.message.isEmpty())
        c.out << outcome.message << Qt::endl;
    return CliContext::Done;
}

std::optional<QString> CliOptions::value(const char* name) const {
    const auto it = values.find(QLatin1String(name));
    if (it == values.end())
        return std::nullopt;
    return *it;
}

bool ParseCliOptions(const QStringList& args, const QStringList& valueNames,
                     const QStringList& switchNames, CliOptions& options) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (switchNames.contains(word) && !options.switches.contains(word)) {
            options.switches.insert(word);
        } else if (valueNames.contains(word) && !options.values.contains(word) &&
                   i + 1 < args.size()) {
            options.values.insert(word, args.at(++i));
        } else {
            return false;
        }
    }
    return true;
}

std::optional<int> ParsePort(const QString& text) {
    const std::optional<int> port = ParseCount(text);
    if (!port || *port < 1 || *port > 65535)
        return std::nullopt;
    return port;
}

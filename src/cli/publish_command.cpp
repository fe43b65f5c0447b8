// tavo publish [...]: the Publish screen filled from the stored own-FTP settings, the given
// fields typed, "Save && Publish".
#include "cli/cli_arguments.h"
#include "cli/service_cli.h"
#include "publish/own_server_upload.h"
#include "publish/publish_run.h"
#include "site/settings_store.h"

namespace {

constexpr char UsageText[] =
    "publish [--host X] [--user X] [--password X] [--port N] [--directory X]";
const QString Usage = QLatin1String(UsageText);

int runPublish(CliContext& c) {
    CliOptions options;
    if (!ParseCliOptions(c.args,
                         {QStringLiteral("--host"), QStringLiteral("--user"),
                          QStringLiteral("--password"), QStringLiteral("--port"),
                          QStringLiteral("--directory")},
                         {}, options))
        return c.usage(Usage);
    TOwnFtpSettings& ftp = c.state.OwnFtpSettings;
    ftp.FTPHost = options.value("--host").value_or(ftp.FTPHost);
    ftp.FTPUsername = options.value("--user").value_or(ftp.FTPUsername);
    ftp.FTPPassword = options.value("--password").value_or(ftp.FTPPassword);
    ftp.FTPDirectory = options.value("--directory").value_or(ftp.FTPDirectory);
    if (const auto port = options.value("--port")) {
        const std::optional<int> parsed = ParsePort(*port);
        if (!parsed)
            return c.usage(Usage);
        ftp.FTPPort = *parsed;
    }

    if (!SiteExists(c))
        return NoSiteYet(c);
    const std::optional<ServiceConfig> config = LoadCliServiceConfig(c);
    if (!config)
        return CliContext::Failed;
    if (CheckOwnFtpSettings(ftp) != OwnFtpField::None)
        return c.fail(InvalidFieldMessage());
    if (const Result saved = SaveOwnFtpSettings(c.state, c.folders); !saved)
        return c.fail(saved.message);
    return FinishServiceOutcome(c, PublishRun(c.state, c.folders, *config).outcome);
}

const CliCommand publish("publish", UsageText, runPublish);

} // namespace

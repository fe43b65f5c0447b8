// tavo: the window's operations without a window, on the same store and working folder.
#include "cli/cli_command.h"
#include "site/settings_store.h"

#include <QCoreApplication>

namespace {

const CliCommandEntry* findCommand(const QStringList& args, int& wordCount) {
    const CliCommandEntry* best = nullptr;
    wordCount = 0;
    for (const CliCommandEntry& entry : CliCommands()) {
        const int n = int(entry.words.size());
        if (n > args.size() || n <= wordCount)
            continue;
        if (args.mid(0, n) == entry.words) {
            best = &entry;
            wordCount = n;
        }
    }
    return best;
}

void printUsage(QTextStream& err) {
    err << "usage: tavo [--service-config FILE] COMMAND [ARGUMENTS]" << Qt::endl;
    for (const CliCommandEntry& entry : CliCommands())
        err << "  tavo " << entry.usage << Qt::endl;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    const Folders folders = Folders::fromEnvironment();
    QString serviceConfig = folders.appDataDir + QStringLiteral("service.ini");
    if (!args.isEmpty() && args.first() == QLatin1String("--service-config")) {
        if (args.size() < 2) {
            printUsage(err);
            return CliContext::Usage;
        }
        serviceConfig = args.at(1);
        args = args.mid(2);
    }

    int wordCount = 0;
    const CliCommandEntry* command = findCommand(args, wordCount);
    if (!command) {
        printUsage(err);
        return CliContext::Usage;
    }

    // Every command starts from the stored site, as the window does at start-up.
    SiteState state;
    LoadAccount(state, folders);
    LoadSite(state, folders);

    CliContext context{state, folders, serviceConfig, args.mid(wordCount), out, err};
    const int status = command->handler(context);
    out.flush();
    err.flush();
    return status;
}

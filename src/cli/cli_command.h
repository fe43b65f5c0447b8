#pragma once

#include "site/folders.h"
#include "site/site_state.h"

#include <QStringList>
#include <QTextStream>

// What every command of the tavo tool gets: the loaded site, the folders and its arguments.
struct CliContext {
    SiteState& state;
    Folders folders;
    QString serviceConfigPath; // data/service.ini unless --service-config names another
    QStringList args;          // the arguments after the command's own words
    QTextStream& out;
    QTextStream& err;

    // Exit codes of the tool.
    static constexpr int Done = 0;
    static constexpr int Failed = 1;
    static constexpr int Usage = 2;

    int fail(const QString& message) const;    // message on stderr, exit 1
    int usage(const QString& usageLine) const; // "usage: tavo ..." on stderr, exit 2
};

using CliHandler = int (*)(CliContext&);

// A command registers itself at static initialisation under its words ("status",
// "page new"), so adding a command never touches the dispatcher.
struct CliCommand {
    CliCommand(const char* words, const char* usage, CliHandler handler);
};

struct CliCommandEntry {
    QStringList words;
    QString usage;
    CliHandler handler;
};
const QList<CliCommandEntry>& CliCommands();

#pragma once

#include "site/folders.h"
#include "support/file_mode.h"
#include "support/qt_print.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// A scratch user: its own settings store, temporary folder and XDG folders, and the build's
// installation data.
class TempHome {
public:
    TempHome();

    const Folders& folders() const { return folders_; }
    QString path() const { return dir_.path(); }
    // The environment a program started for this user gets.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir dir_;
    Folders folders_;
};

struct ProcessResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built tavo command as this user; input is written to its standard input.
ProcessResult RunTavo(const TempHome& home, const QStringList& args, const QByteArray& input = {});

// The installation data of the build under test.
QString BuiltDataDir();

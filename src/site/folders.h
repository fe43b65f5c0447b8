#pragma once

#include <QString>

// The places the program works in, as absolute paths with a trailing "/". Operations take a
// Folders value so tests can put everything inside a scratch directory.
struct Folders {
    QString tempFolder;   // persistent, private per-user folder standing in for the system temp
    QString appDataDir;   // read-only installation data
    QString settingsFile; // the per-user settings store

    QString WorkDir() const { return tempFolder + QStringLiteral("zeb1988/"); }
    QString PreviewDir() const { return WorkDir() + QStringLiteral("preview/"); }
    QString ReplyFile() const { return tempFolder + QStringLiteral("t1988.txt"); }

    // The folders of this user and this installation, from XDG_DATA_HOME, XDG_CONFIG_HOME
    // and the location of the running executable.
    static Folders fromEnvironment();
};

// The per-user folder that holds the working folder; created with mode 0700 when missing.
QString GetTempFolder();
// data/ beside the executable, or the installed share folder.
QString AppDataDir();
// "$XDG_CONFIG_HOME/Rodevovar O9 Vide.ini".
QString SettingsFilePath();

inline constexpr const char* StoreName = "Rodevovar O9 Vide";

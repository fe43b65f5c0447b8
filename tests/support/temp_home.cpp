#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QProcess>

QString BuiltDataDir() {
    return QStringLiteral(TAVO_BIN_DIR "/data/");
}

TempHome::TempHome() {
    const QString root = dir_.path();
    QDir().mkpath(root + QStringLiteral("/config"));
    const QString temp = root + QStringLiteral("/data/") + QLatin1String(StoreName);
    QDir().mkpath(temp);
    QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    folders_.tempFolder = temp + QLatin1Char('/');
    folders_.appDataDir = BuiltDataDir();
    folders_.settingsFile =
        root + QStringLiteral("/config/") + QLatin1String(StoreName) + QStringLiteral(".ini");
}

QProcessEnvironment TempHome::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), path() + QStringLiteral("/data"));
    return env;
}

ProcessResult RunTavo(const TempHome& home, const QStringList& args, const QByteArray& input) {
    QProcess process;
    process.setProcessEnvironment(home.environment());
    process.start(QStringLiteral(TAVO_BIN_DIR "/tavo"), args);
    ProcessResult result;
    if (!process.waitForStarted(10000))
        return result;
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

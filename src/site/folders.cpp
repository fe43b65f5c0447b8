#include "site/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString withSlash(QString path) {
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// An XDG base folder: the variable when it holds an absolute path, else the fallback
// under $HOME.
QString xdgFolder(const char* variable, const char* fallbackUnderHome) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return withSlash(value);
    return withSlash(QDir::homePath() + QLatin1Char('/') + QLatin1String(fallbackUnderHome));
}

QString executableDir() {
    const QFileInfo exe(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    return withSlash(exe.absolutePath());
}

} // namespace

QString GetTempFolder() {
    const QString folder = xdgFolder("XDG_DATA_HOME", ".local/share") + QLatin1String(StoreName);
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return withSlash(folder);
}

QString AppDataDir() {
    const QString beside = executableDir() + QStringLiteral("data/");
    const QString installed =
        QDir::cleanPath(executableDir() + QStringLiteral("../share/tavo-website-builder/data")) +
        QLatin1Char('/');
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return installed;
    return beside;
}

QString SettingsFilePath() {
    return xdgFolder("XDG_CONFIG_HOME", ".config") + QLatin1String(StoreName) +
           QStringLiteral(".ini");
}

Folders Folders::fromEnvironment() {
    return Folders{GetTempFolder(), AppDataDir(), SettingsFilePath()};
}

#include "site/folder_utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void CopyFolder(const QString& source, const QString& target) {
    QDir targetDir(target);
    if (!targetDir.exists() && !QDir().mkdir(target))
        return;
    const QDir sourceDir(source);
    const auto entries = sourceDir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                 QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString destination = targetDir.filePath(entry.fileName());
        if (entry.isDir())
            CopyFolder(entry.absoluteFilePath(), destination);
        else if (!QFileInfo::exists(destination))
            QFile::copy(entry.absoluteFilePath(), destination);
    }
}

void ClearFolder(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists())
        return;
    const auto files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files)
        QFile::remove(file.absoluteFilePath());
}

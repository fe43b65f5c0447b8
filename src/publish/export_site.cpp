#include "publish/export_site.h"

#include "publish/image_asset_loop.h"
#include "publish/own_server_upload.h"
#include "site/folder_utils.h"
#include "site/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

Result unwritable(const QString& folder) {
    return Result::failure(
        QStringLiteral("The site could not be exported: the folder %1 cannot be written.")
            .arg(QDir::toNativeSeparators(folder)));
}

bool replaceCopy(const QString& source, const QString& target) {
    QFile::remove(target);
    return QFile::copy(source, target);
}

} // namespace

QString DoneExportingMessage() {
    return QStringLiteral("Done Exporting.");
}

Result ExportSiteToFolder(const SiteState& state, const Folders& folders, const QString& folder) {
    const QString target = QDir(folder).absolutePath() + QLatin1Char('/');
    if (!QDir().mkpath(target))
        return unwritable(target);

    const QString workDir = folders.WorkDir();
    QStringList missing;
    QString collected;
    for (int i = 0; i < state.pageCount(); ++i) {
        const QString name = state.PageSelector.at(i) + QStringLiteral(".html");
        if (!QFileInfo(workDir + name).isFile()) {
            missing << name;
            continue;
        }
        const QString text = StaticPageText(LoadTextFile(workDir + name));
        if (!SaveTextFile(text, target + name))
            return unwritable(target);
        collected += text;
    }

    QStringList notCopied;
    ImageAssetLoop(collected, workDir, [&](const QString& name) {
        if (!replaceCopy(workDir + name, target + name))
            notCopied << name;
    });
    CopyFolder(workDir + QStringLiteral("bin/"), target + QStringLiteral("bin/"));

    if (!missing.isEmpty())
        return Result::failure(
            QStringLiteral("The site was exported without these missing page files: %1.")
                .arg(missing.join(QStringLiteral(", "))));
    if (!notCopied.isEmpty())
        return Result::failure(QStringLiteral("The site was exported, but these pictures could "
                                              "not be copied: %1.")
                                   .arg(notCopied.join(QStringLiteral(", "))));
    return {true, DoneExportingMessage()};
}

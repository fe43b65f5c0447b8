#include "publish/own_server_upload.h"

#include "publish/page_puts.h"

#include <QDir>

OwnFtpField CheckOwnFtpSettings(TOwnFtpSettings& settings) {
    if (settings.FTPHost.trimmed().isEmpty() || !settings.FTPHost.contains(QLatin1Char('.')))
        return OwnFtpField::Host;
    if (settings.FTPUsername.trimmed().isEmpty())
        return OwnFtpField::User;
    if (settings.FTPPassword.trimmed().isEmpty())
        return OwnFtpField::Password;

    QString& folder = settings.FTPDirectory;
    if (folder.trimmed().isEmpty()) {
        folder = QStringLiteral("/");
    } else {
        folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!folder.startsWith(QLatin1Char('/')))
            folder.prepend(QLatin1Char('/'));
        if (!folder.endsWith(QLatin1Char('/')))
            folder.append(QLatin1Char('/'));
    }
    return OwnFtpField::None;
}

QString InvalidFieldMessage() {
    return QStringLiteral("Invalid. Please try again.");
}

QString StaticPageText(QString html) {
    return html.replace(QLatin1String(".php"), QLatin1String(".html"), Qt::CaseInsensitive);
}

UploadReport UploadOwnServerSite(SiteState& state, const Folders& folders, const FtpTarget& target,
                                 const QString& templateBinFolder) {
    UploadReport report;
    FtpConnection connection(target.host, target.port, target.user, target.password);
    if (OpenConnection(connection, target, report)) {
        const PagePutRule rule{false, StaticPageText, QStringLiteral(".html")};
        const QString sent = PutPages(connection, state, folders, rule, report);
        PutImages(connection, sent, folders, report);

        const QFileInfoList assets =
            QDir(templateBinFolder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
        if (!connection.broken()) {
            const FtpProblem opened =
                connection.changeFolder(WithTrailingSlash(target.folder) + QStringLiteral("bin/"));
            report.add(opened);
            for (const QFileInfo& asset : assets) {
                if (!opened.isNone() || connection.broken())
                    break;
                const FtpProblem problem =
                    connection.put(asset.absoluteFilePath(), asset.fileName());
                report.add(problem);
                if (problem.isNone())
                    report.countPut();
            }
        }
    }
    report.setConnectionsOpened(connection.connectionsOpened());
    return report;
}

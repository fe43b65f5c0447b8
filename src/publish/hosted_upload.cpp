#include "publish/hosted_upload.h"

#include "publish/page_puts.h"
#include "site/text_file.h"

#include <QFileInfo>

UploadReport UploadHostedSite(SiteState& state, const Folders& folders, const FtpTarget& target,
                              const PhpPageTarget& php) {
    UploadReport report;
    FtpConnection connection(target.host, target.port, target.user, target.password);
    if (OpenConnection(connection, target, report)) {
        const PagePutRule rule{
            true, [&php](const QString& html) { return PreparePhpPage(html, true, php); },
            QStringLiteral(".html.php")};
        const QString sent = PutPages(connection, state, folders, rule, report);
        PutImages(connection, sent, folders, report);
    }
    report.setConnectionsOpened(connection.connectionsOpened());
    return report;
}

UploadReport UploadHostedFile(const FtpTarget& target, const QString& localFile,
                              const QString& remoteName, const PhpPageTarget& php) {
    UploadReport report;
    if (!QFileInfo(localFile).isFile()) {
        report.missingPage(QFileInfo(localFile).completeBaseName());
        return report;
    }
    const QByteArray page = PageFileBytes(PreparePhpPage(LoadTextFile(localFile), false, php));
    FtpConnection connection(target.host, target.port, target.user, target.password);
    if (OpenConnection(connection, target, report)) {
        const FtpProblem problem = connection.putData(page, remoteName + QStringLiteral(".php"));
        report.add(problem);
        if (problem.isNone())
            report.countPut();
    }
    report.setConnectionsOpened(connection.connectionsOpened());
    return report;
}

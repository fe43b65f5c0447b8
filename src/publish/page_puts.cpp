#include "publish/page_puts.h"

#include "publish/image_asset_loop.h"
#include "site/text_file.h"

#include "site/windows1252.h"

#include <QFileInfo>

QByteArray PageFileBytes(const QString& text) {
    return EncodeWindows1252(text) + "\r\n";
}

QString PutPages(FtpConnection& connection, SiteState& state, const Folders& folders,
                 const PagePutRule& rule, UploadReport& report) {
    const QString workDir = folders.WorkDir();
    QString sent;
    for (int i = 0; i < state.pageCount() && !connection.broken(); ++i) {
        TSitePage& page = state.Pages[i];
        if (rule.changedOnly && !page.Changed)
            continue;
        const QString fileName = state.PageSelector.at(i);
        const QString source = workDir + fileName + QStringLiteral(".html");
        if (!QFileInfo(source).isFile()) {
            report.missingPage(fileName);
            continue;
        }
        const QString text = rule.transform(LoadTextFile(source));
        sent += text;
        const FtpProblem problem =
            connection.putData(PageFileBytes(text), fileName + rule.remoteSuffix);
        report.add(problem);
        if (problem.isNone()) {
            page.Changed = false;
            report.countPut();
        }
    }
    return sent;
}

void PutImages(FtpConnection& connection, const QString& sentText, const Folders& folders,
               UploadReport& report) {
    const QString workDir = folders.WorkDir();
    ImageAssetLoop(sentText, workDir, [&](const QString& name) {
        if (connection.broken())
            return;
        const FtpProblem problem = connection.put(workDir + name, name);
        report.add(problem);
        if (problem.isNone())
            report.countPut();
    });
}

bool OpenConnection(FtpConnection& connection, const FtpTarget& target, UploadReport& report) {
    const FtpProblem problem = connection.open(WithTrailingSlash(target.folder));
    report.add(problem);
    report.setConnectionsOpened(connection.connectionsOpened());
    return problem.isNone();
}

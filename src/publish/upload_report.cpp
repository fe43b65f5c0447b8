#include "publish/upload_report.h"

namespace {
constexpr int NamesListed = 5;
}

void UploadReport::addProblem(const QString& text) {
    if (!problems_.contains(text))
        problems_.append(text);
}

void UploadReport::add(const FtpProblem& problem) {
    using Kind = FtpProblem::Kind;
    network_ = network_ || problem.network;
    switch (problem.kind) {
    case Kind::None:
        return;
    case Kind::Unreachable:
        addProblem(QStringLiteral("the FTP server %1 could not be reached").arg(problem.subject));
        return;
    case Kind::NoAnswer:
        addProblem(QStringLiteral("the FTP server %1 did not answer in time").arg(problem.subject));
        return;
    case Kind::LoginRefused:
        addProblem(QStringLiteral("the FTP server %1 refused the user name or password")
                       .arg(problem.subject));
        return;
    case Kind::FolderRefused:
        addProblem(QStringLiteral("the folder %1 could not be opened on the FTP server")
                       .arg(problem.subject));
        return;
    case Kind::PutFailed:
        failedPuts_.append(problem.subject);
        return;
    }
}

void UploadReport::missingPage(const QString& fileName) {
    addProblem(QStringLiteral("the page file %1.html is missing").arg(fileName));
}

QString UploadReport::message() const {
    QStringList parts = problems_;
    if (!failedPuts_.isEmpty()) {
        QString names = failedPuts_.mid(0, NamesListed).join(QStringLiteral(", "));
        if (failedPuts_.size() > NamesListed)
            names += QStringLiteral(" and %1 more").arg(failedPuts_.size() - NamesListed);
        parts << names + QStringLiteral(" could not be uploaded");
    }
    QString text = QStringLiteral("There was a problem publishing your site: ") +
                   parts.join(QStringLiteral("; ")) + QLatin1Char('.');
    if (network_)
        text += QStringLiteral(" Please check your internet connection.");
    return text;
}

QString WithTrailingSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

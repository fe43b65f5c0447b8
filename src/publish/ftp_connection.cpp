#include "publish/ftp_connection.h"

#include <QBuffer>
#include <QFile>
#include <QUrl>

namespace {

size_t readFromDevice(char* buffer, size_t size, size_t count, void* source) {
    auto* device = static_cast<QIODevice*>(source);
    const qint64 read = device->read(buffer, qint64(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

bool isNetworkFault(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
        return true;
    default:
        return false;
    }
}

} // namespace

FtpConnection::FtpConnection(const QString& host, int port, const QString& user,
                             const QString& password)
    : host_(host.trimmed()), port_(port), user_(user.toUtf8()), password_(password.toUtf8()) {
    CURL* h = curl_.get();
    if (!h)
        return;
    ApplyCommonOptions(h, TransferTimeoutSeconds);
    curl_easy_setopt(h, CURLOPT_USERNAME, user_.constData());
    curl_easy_setopt(h, CURLOPT_PASSWORD, password_.constData());
    curl_easy_setopt(h, CURLOPT_FTP_USE_EPSV, 1L);
    curl_easy_setopt(h, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, NetworkTimeout(StallSeconds));
    curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, 0L);
}

// ftp://host:port/%2F<folder>/<name>: "%2F" makes the folder absolute rather than relative to
// the account's login folder; every part is percent-encoded, so names holding blanks, "#" or
// "?" stay names.
QByteArray FtpConnection::urlFor(const QString& name) const {
    QByteArray url =
        "ftp://" + QUrl::toPercentEncoding(host_, "[]:") + ':' + QByteArray::number(port_) + "/%2F";
    const QStringList parts = folder_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts)
        url += QUrl::toPercentEncoding(part) + '/';
    if (parts.isEmpty())
        url += '/';
    return url + QUrl::toPercentEncoding(name);
}

FtpProblem FtpConnection::perform(const QString& subject) {
    using Kind = FtpProblem::Kind;
    CURL* h = curl_.get();
    if (!h)
        return {Kind::Unreachable, host_, false, true};
    const CURLcode code = curl_.perform();
    // A new control connection shows as a new local port (the count libcurl keeps also counts
    // every data connection).
    long localPort = 0;
    curl_easy_getinfo(h, CURLINFO_LOCAL_PORT, &localPort);
    if (localPort != 0 && localPort != controlPort_) {
        controlPort_ = localPort;
        ++connections_;
    }
    if (code == CURLE_OK)
        return {};

    FtpProblem problem;
    switch (code) {
    case CURLE_LOGIN_DENIED:
        problem = {Kind::LoginRefused, host_, false, true};
        break;
    case CURLE_REMOTE_ACCESS_DENIED:
        problem = {Kind::FolderRefused, folder_, false, false};
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
        problem = {Kind::Unreachable, host_, true, true};
        break;
    case CURLE_OPERATION_TIMEDOUT:
        problem = {Kind::NoAnswer, host_, true, true};
        break;
    default:
        problem = {Kind::PutFailed, subject, isNetworkFault(code), isNetworkFault(code)};
        break;
    }
    broken_ = broken_ || problem.fatal;
    return problem;
}

FtpProblem FtpConnection::changeFolder(const QString& folder) {
    folder_ = folder;
    CURL* h = curl_.get();
    const QByteArray url = urlFor(QString());
    if (h) {
        curl_easy_setopt(h, CURLOPT_URL, url.constData());
        curl_easy_setopt(h, CURLOPT_UPLOAD, 0L);
        curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    }
    return perform(folder);
}

FtpProblem FtpConnection::open(const QString& folder) {
    return changeFolder(folder);
}

FtpProblem FtpConnection::upload(QIODevice& source, const QString& remoteName) {
    if (broken_)
        return {FtpProblem::Kind::PutFailed, remoteName, true, true};
    CURL* h = curl_.get();
    const QByteArray url = urlFor(remoteName);
    if (h) {
        curl_easy_setopt(h, CURLOPT_URL, url.constData());
        curl_easy_setopt(h, CURLOPT_NOBODY, 0L);
        curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(h, CURLOPT_READFUNCTION, readFromDevice);
        curl_easy_setopt(h, CURLOPT_READDATA, &source);
        curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, curl_off_t(source.size()));
    }
    return perform(remoteName);
}

FtpProblem FtpConnection::put(const QString& localPath, const QString& remoteName) {
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        return {FtpProblem::Kind::PutFailed, remoteName, false, false};
    return upload(file, remoteName);
}

FtpProblem FtpConnection::putData(const QByteArray& bytes, const QString& remoteName) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return upload(buffer, remoteName);
}

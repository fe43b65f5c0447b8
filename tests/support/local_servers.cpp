#include "support/local_servers.h"

#include "service/curl_easy.h"
#include "site/windows1252.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int StartTimeoutMs = 15000;

QString scriptPath(const char* name) {
    return QStringLiteral(TAVO_SOURCE_DIR "/tests/support/") + QLatin1String(name);
}

void writeFile(const QString& path, const QByteArray& body) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(body);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray percentDecode(QByteArray text) {
    text.replace('+', ' ');
    return QByteArray::fromPercentEncoding(text);
}

} // namespace

LocalServerProcess::~LocalServerProcess() {
    stop();
}

bool LocalServerProcess::running() const {
    return process_ && process_->state() == QProcess::Running;
}

void LocalServerProcess::stop() {
    if (!process_)
        return;
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(5000);
    }
    process_.reset();
}

bool LocalServerProcess::startScript(const QString& script, const QStringList& arguments) {
    stop();
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start(QStringLiteral("/usr/bin/python3"), QStringList{script} + arguments);
    if (!process_->waitForStarted(StartTimeoutMs))
        return false;
    // The script prints its port once it listens.
    while (!process_->canReadLine()) {
        if (!process_->waitForReadyRead(StartTimeoutMs))
            return false;
    }
    bool ok = false;
    port_ = process_->readLine().trimmed().toInt(&ok);
    return ok && port_ > 0;
}

FtpServer::FtpServer(QString user, QString password)
    : user_(std::move(user)), password_(std::move(password)) {
    QDir().mkpath(root());
}

bool FtpServer::start() {
    const bool started =
        startScript(scriptPath("ftp_server.py"),
                    {QStringLiteral("--root"), root(), QStringLiteral("--user"), user_,
                     QStringLiteral("--password"), password_, QStringLiteral("--connections"),
                     dir_.path() + QStringLiteral("/connections.log"), QStringLiteral("--port"),
                     QString::number(fixedPort_)});
    if (started)
        fixedPort_ = port();
    return started;
}

int FtpServer::connectionCount() const {
    return int(readFile(dir_.path() + QStringLiteral("/connections.log")).count('\n'));
}

QStringList FtpServer::files() const {
    QStringList result;
    QDirIterator it(root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        result << QDir(root()).relativeFilePath(it.next());
    result.sort();
    return result;
}

QByteArray FtpServer::file(const QString& relativePath) const {
    return readFile(root() + relativePath);
}

HttpService::HttpService() {
    QDir().mkpath(root() + QStringLiteral("zeb"));
}

bool HttpService::start() {
    return startScript(scriptPath("http_service.py"),
                       {QStringLiteral("--root"), root(), QStringLiteral("--log"),
                        dir_.path() + QStringLiteral("/requests.log")});
}

void HttpService::setReply(const QString& endpoint, const QByteArray& body) {
    writeFile(root() + QStringLiteral("zeb/") + endpoint, body);
}

void HttpService::removeReply(const QString& endpoint) {
    QFile::remove(root() + QStringLiteral("zeb/") + endpoint);
}

void HttpService::setFile(const QString& path, const QByteArray& body) {
    writeFile(root() + path, body);
}

QStringList HttpService::requests() const {
    return QString::fromLatin1(readFile(dir_.path() + QStringLiteral("/requests.log")))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList HttpService::requestsTo(const QString& endpoint) const {
    QStringList matching;
    const QString prefix = QStringLiteral("/zeb/") + endpoint;
    for (const QString& request : requests())
        if (request == prefix || request.startsWith(prefix + QLatin1Char('?')))
            matching << request;
    return matching;
}

QStringList HttpService::queryNames(const QString& request) {
    QStringList names;
    const QString query = request.section(QLatin1Char('?'), 1);
    for (const QString& pair : query.split(QLatin1Char('&'), Qt::SkipEmptyParts))
        names << pair.section(QLatin1Char('='), 0, 0);
    return names;
}

QString HttpService::queryValue(const QString& request, const QString& name) {
    const QString query = request.section(QLatin1Char('?'), 1);
    for (const QString& pair : query.split(QLatin1Char('&')))
        if (pair.section(QLatin1Char('='), 0, 0) == name)
            return DecodeWindows1252(percentDecode(pair.section(QLatin1Char('='), 1).toLatin1()));
    return {};
}

QString WriteServiceConfig(const QString& folder, const HttpService& http, int ftpPort,
                           const QString& ftpUser, const QString& ftpPassword,
                           const QString& placeholderPassword) {
    const QString path = folder + QStringLiteral("/service-test.ini");
    const QString text = QStringLiteral("[service]\n"
                                        "ServiceBaseUrl=%1\n"
                                        "SiteDomain=sites.test\n"
                                        "ServiceFtpHost=127.0.0.1\n"
                                        "ServiceFtpPort=%2\n"
                                        "ServiceFtpUser=%3\n"
                                        "ServiceFtpPassword=%4\n"
                                        "ServiceFtpPlaceholderPassword=%5\n"
                                        "ShopBaseUrl=%1\n")
                             .arg(http.baseUrl(), QString::number(ftpPort), ftpUser, ftpPassword,
                                  placeholderPassword);
    writeFile(path, text.toUtf8());
    return path;
}

ServiceConfig LocalServiceConfig(const HttpService& http, const FtpServer& ftp) {
    ServiceConfig config;
    config.ServiceBaseUrl = http.baseUrl();
    config.SiteDomain = QStringLiteral("sites.test");
    config.ServiceFtpHost = QStringLiteral("127.0.0.1");
    config.ServiceFtpPort = ftp.port();
    config.ServiceFtpUser = ftp.user();
    config.ServiceFtpPassword = ftp.password();
    config.ServiceFtpPlaceholderPassword = ftp.password();
    config.ShopBaseUrl = http.baseUrl();
    return config;
}

SilentServer::SilentServer() {
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket_ >= 0 && ::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::listen(socket_, 16) == 0 &&
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port_ = ntohs(address.sin_port);
    CapNetworkTimeouts(1);
}

SilentServer::~SilentServer() {
    CapNetworkTimeouts(0);
    if (socket_ >= 0)
        ::close(socket_);
}

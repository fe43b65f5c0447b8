#pragma once

#include "service/service_config.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A helper server of the tests: one of the python scripts in tests/support/, run by the
// system's python3 on a free 127.0.0.1 port it reports itself, killed when the fixture goes.
class LocalServerProcess {
public:
    ~LocalServerProcess();
    int port() const { return port_; }
    bool running() const;
    void stop();

protected:
    bool startScript(const QString& script, const QStringList& arguments);

private:
    std::unique_ptr<QProcess> process_;
    int port_ = 0;
};

// A real FTP server (pyftpdlib) with one user whose home is root().
class FtpServer : public LocalServerProcess {
public:
    FtpServer(QString user = QStringLiteral("tester"), QString password = QStringLiteral("s3cret"));
    bool start(); // again after stop(): on the same port, same files
    QString root() const { return dir_.path() + QStringLiteral("/root/"); }
    const QString& user() const { return user_; }
    const QString& password() const { return password_; }
    // Control connections opened so far.
    int connectionCount() const;
    // Relative paths of every file below root(), sorted.
    QStringList files() const;
    QByteArray file(const QString& relativePath) const;

private:
    QTemporaryDir dir_;
    QString user_;
    QString password_;
    int fixedPort_ = 0;
};

// The hosting service's stand-in: replies from files below root(), every request recorded.
class HttpService : public LocalServerProcess {
public:
    HttpService();
    bool start();
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }
    QString root() const { return dir_.path() + QStringLiteral("/root/"); }

    // The reply of an endpoint ("login.php"); "{{name}}" echoes the request's value of name.
    void setReply(const QString& endpoint, const QByteArray& body);
    void removeReply(const QString& endpoint);
    // Any other file the service serves, by its path ("mysite/index.html").
    void setFile(const QString& path, const QByteArray& body);

    // Every request so far, as "path?query" with the query as sent.
    QStringList requests() const;
    // The requests to one endpoint ("login.php").
    QStringList requestsTo(const QString& endpoint) const;
    // The query's names in order, and the decoded value of one name (windows-1252, "+" a blank).
    static QStringList queryNames(const QString& request);
    static QString queryValue(const QString& request, const QString& name);

private:
    QTemporaryDir dir_;
};

// A server that takes connections and never says a word: the listening socket's queue
// accepts them, nobody reads or answers. Network time-outs are capped at one second while it
// exists, so the calls that meet it end soon.
class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    int port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};

// A service configuration file pointing at the local servers; written into folder.
QString WriteServiceConfig(const QString& folder, const HttpService& http, int ftpPort,
                           const QString& ftpUser, const QString& ftpPassword,
                           const QString& placeholderPassword = QStringLiteral("placeholder"));

// The service configuration of the local servers: the FTP server's one account serves both
// the hosted upload and the placeholder page.
ServiceConfig LocalServiceConfig(const HttpService& http, const FtpServer& ftp);

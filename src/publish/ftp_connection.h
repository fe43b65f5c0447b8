#pragma once

#include "service/curl_easy.h"

#include <QIODevice>
#include <QString>

// What went wrong in one FTP step.
struct FtpProblem {
    enum class Kind { None, Unreachable, NoAnswer, LoginRefused, FolderRefused, PutFailed };
    Kind kind = Kind::None;
    QString subject;      // the folder or the remote file name of the failed step
    bool network = false; // the network is the likely cause
    bool fatal = false;   // the session is gone: later steps cannot succeed

    bool isNone() const { return kind == Kind::None; }
};

// One FTP session to one server in passive mode: the control connection is opened once and
// reused for every put (one libcurl handle), folders are created as needed, and every step has
// connect and total time-outs.
class FtpConnection {
public:
    FtpConnection(const QString& host, int port, const QString& user, const QString& password);

    // Connects, logs in and changes to folder (absolute, ending in "/"), creating it when
    // missing.
    FtpProblem open(const QString& folder);
    // Stores localPath as remoteName in the current folder.
    FtpProblem put(const QString& localPath, const QString& remoteName);
    // Stores bytes as remoteName in the current folder.
    FtpProblem putData(const QByteArray& bytes, const QString& remoteName);
    // Changes to folder, creating it when missing, like open().
    FtpProblem changeFolder(const QString& folder);

    // How many control connections were opened so far (one for a healthy session).
    int connectionsOpened() const { return connections_; }
    // The session is unusable after a fatal problem; later puts are not tried.
    bool broken() const { return broken_; }

private:
    QByteArray urlFor(const QString& name) const;
    FtpProblem perform(const QString& subject);
    FtpProblem upload(QIODevice& source, const QString& remoteName);

    CurlEasy curl_;
    QString host_;
    int port_;
    QByteArray user_;
    QByteArray password_;
    QString folder_ = QStringLiteral("/");
    int connections_ = 0;
    long controlPort_ = 0;
    bool broken_ = false;
};

#pragma once

#include "publish/ftp_connection.h"

#include <QStringList>

// Everything an upload run did not manage, gathered so the run ends with one message that
// names what failed.
class UploadReport {
public:
    void add(const FtpProblem& problem);
    void missingPage(const QString& fileName); // a page's file is not in WorkDir
    void countPut() { ++filesPut_; }
    void setConnectionsOpened(int count) { connectionsOpened_ = count; }

    bool ok() const { return problems_.isEmpty() && failedPuts_.isEmpty(); }
    // "There was a problem publishing your site: ...", ending with "Please check your
    // internet connection." when the network is the likely cause.
    QString message() const;
    int filesPut() const { return filesPut_; }
    int connectionsOpened() const { return connectionsOpened_; }

private:
    void addProblem(const QString& text);

    QStringList problems_;
    QStringList failedPuts_;
    bool network_ = false;
    int filesPut_ = 0;
    int connectionsOpened_ = 0;
};

// The server, account and folder of one upload.
struct FtpTarget {
    QString host;
    int port = 21;
    QString user;
    QString password;
    QString folder;
};

// The folder with a "/" at its end.
QString WithTrailingSlash(QString folder);

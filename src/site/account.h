#pragma once

#include <QString>

// The account and the site's identity on the hosting service.
struct TAccount {
    QString FirstName;
    QString LastName;
    QString Email;
    QString Password;
    QString UnixName; // non-empty once a site exists
    QString Domain;
    // The five FTP fields come from the service and live in memory only.
    QString FtpHost;
    QString FtpUsername;
    QString FtpPassword;
    int FtpPort = 0;
    QString FtpPath;
    QString HostingPackage = QStringLiteral("basic");
    bool TavoSiteStatus = false;
    bool UnixCreated = false;

    bool operator==(const TAccount&) const = default;
};

// The user's own FTP server for publishing.
struct TOwnFtpSettings {
    QString FTPHost;
    QString FTPUsername;
    QString FTPPassword;
    QString FTPDirectory;
    int FTPPort = 21;

    bool operator==(const TOwnFtpSettings&) const = default;
};

#pragma once

#include "site/result.h"

#include <QString>

// Where the hosting service lives: read from data/service.ini (or the file the tavo command
// is given) and passed to every operation that talks to the service.
struct ServiceConfig {
    QString ServiceBaseUrl; // scheme and host, no trailing "/"
    QString SiteDomain;     // a hosted site is UnixName + "." + SiteDomain
    QString ServiceFtpHost;
    int ServiceFtpPort = 21;
    QString ServiceFtpUser = QStringLiteral("zorvacom");
    QString ServiceFtpPassword = QStringLiteral("H3d>?Tq5mz");           // hosted-site upload
    QString ServiceFtpPlaceholderPassword = QStringLiteral("r8k2WqNvc"); // placeholder page
    QString ShopBaseUrl;
};

// Reads the [service] section of an INI file. Keys that are absent keep their defaults; a
// file that cannot be read is reported.
Result LoadServiceConfig(const QString& path, ServiceConfig& config);

#pragma once

#include "service/service_config.h"
#include "site/account.h"

#include <QString>

// The addresses of the hosting service's endpoints, parameters in the service's order. Every
// value is query-encoded, so a password holding "&" or "#" reaches the service intact.
QString LoginUrl(const ServiceConfig& config, const QString& email, const QString& password);
QString EmailPasswordUrl(const ServiceConfig& config, const QString& email);
QString NewUnixUrl(const ServiceConfig& config, const QString& unixName);
QString ChangeUnixUrl(const ServiceConfig& config, const QString& oldId, const QString& newId);
QString UpdateAccUrl(const ServiceConfig& config, const TAccount& account);
// pageList is the plain text of the page records; it is encoded here.
QString UpdatePagesUrl(const ServiceConfig& config, const QString& unixName,
                       const QString& pageList);

// A published page of a hosted site, as fetched at login.
QString PublishedPageUrl(const ServiceConfig& config, const QString& unixName,
                         const QString& fileName);
// The service's address of template n's shared assets: ".../zeb/templates/n/".
QString ServiceTemplateUrl(const ServiceConfig& config, int templateNumber);

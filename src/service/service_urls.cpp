#include "service/service_urls.h"

#include "service/service_request.h"

#include <QUrl>
#include <utility>

namespace {

using Parameter = std::pair<const char*, QString>;

QString endpoint(const ServiceConfig& config, const char* path,
                 std::initializer_list<Parameter> parameters) {
    QString url = config.ServiceBaseUrl + QStringLiteral("/zeb/") + QLatin1String(path);
    QChar separator = QLatin1Char('?');
    for (const auto& [name, value] : parameters) {
        url += separator + QLatin1String(name) + QLatin1Char('=') + QueryValue(value);
        separator = QLatin1Char('&');
    }
    return url;
}

QString pathSegment(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

QString LoginUrl(const ServiceConfig& config, const QString& email, const QString& password) {
    return endpoint(config, "login.php", {{"email", email}, {"password", password}});
}

QString EmailPasswordUrl(const ServiceConfig& config, const QString& email) {
    return endpoint(config, "emailpassword.php", {{"email", email}});
}

QString NewUnixUrl(const ServiceConfig& config, const QString& unixName) {
    return endpoint(config, "newunix.php", {{"id", unixName}});
}

QString ChangeUnixUrl(const ServiceConfig& config, const QString& oldId, const QString& newId) {
    return endpoint(config, "changeunix.php", {{"oldid", oldId}, {"newid", newId}});
}

QString UpdateAccUrl(const ServiceConfig& config, const TAccount& a) {
    const QString status = a.TavoSiteStatus ? QStringLiteral("enable") : QStringLiteral("disable");
    return endpoint(config, "updateacc.php",
                    {{"fname", a.FirstName},
                     {"lname", a.LastName},
                     {"email", a.Email},
                     {"password", a.Password},
                     {"unixname", a.UnixName},
                     {"tavositestatus", status},
                     {"oldid", a.UnixName},
                     {"domain", a.Domain},
                     {"ftphost", a.FtpHost},
                     {"ftpusername", a.FtpUsername},
                     {"ftppassword", a.FtpPassword},
                     {"ftpport", QString::number(a.FtpPort)},
                     {"ftppath", a.FtpPath},
                     {"hostingpackage", a.HostingPackage}});
}

QString UpdatePagesUrl(const ServiceConfig& config, const QString& unixName,
                       const QString& pageList) {
    return endpoint(config, "updatepages.php", {{"id", unixName}, {"pages", pageList}});
}

QString PublishedPageUrl(const ServiceConfig& config, const QString& unixName,
                         const QString& fileName) {
    return config.ServiceBaseUrl + QLatin1Char('/') + pathSegment(unixName) + QLatin1Char('/') +
           pathSegment(fileName) + QStringLiteral(".html");
}

QString ServiceTemplateUrl(const ServiceConfig& config, int templateNumber) {
    return config.ServiceBaseUrl + QStringLiteral("/zeb/templates/") +
           QString::number(templateNumber) + QLatin1Char('/');
}

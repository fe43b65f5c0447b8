#include "service/service_config.h"

#include <QFile>
#include <QHash>

namespace {

// A plain reader rather than QSettings: QSettings would turn a value holding a comma into a
// list and treat ";" specially, and passwords may hold either.
QHash<QString, QString> readSection(const QByteArray& bytes, const QString& wanted) {
    QHash<QString, QString> values;
    QString section;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || section.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        values.insert(line.left(equals).trimmed(), value);
    }
    return values;
}

} // namespace

Result LoadServiceConfig(const QString& path, ServiceConfig& config) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(
            QStringLiteral("The service configuration %1 could not be read.").arg(path));
    const QHash<QString, QString> values = readSection(file.readAll(), QStringLiteral("service"));

    const auto take = [&values](const char* key, QString& target) {
        const auto it = values.find(QLatin1String(key));
        if (it != values.end())
            target = *it;
    };
    take("ServiceBaseUrl", config.ServiceBaseUrl);
    take("SiteDomain", config.SiteDomain);
    take("ServiceFtpHost", config.ServiceFtpHost);
    take("ServiceFtpUser", config.ServiceFtpUser);
    take("ServiceFtpPassword", config.ServiceFtpPassword);
    take("ServiceFtpPlaceholderPassword", config.ServiceFtpPlaceholderPassword);
    take("ShopBaseUrl", config.ShopBaseUrl);
    while (config.ServiceBaseUrl.endsWith(QLatin1Char('/')))
        config.ServiceBaseUrl.chop(1);

    QString port;
    take("ServiceFtpPort", port);
    if (!port.isEmpty()) {
        bool ok = false;
        const int value = port.toInt(&ok);
        if (!ok || value < 1 || value > 65535)
            return Result::failure(
                QStringLiteral("The service configuration %1 has an unusable ServiceFtpPort.")
                    .arg(path));
        config.ServiceFtpPort = value;
    }
    return Result::success();
}

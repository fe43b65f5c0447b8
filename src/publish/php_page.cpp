#include "publish/php_page.h"

namespace {

void replaceAll(QString& text, QLatin1String from, const QString& to,
                Qt::CaseSensitivity cs = Qt::CaseInsensitive) {
    text.replace(from, to, cs);
}

} // namespace

QString PreparePhpPage(const QString& html, bool rewriteImages, const PhpPageTarget& target) {
    QString text = html;
    replaceAll(text, QLatin1String("\\"), QStringLiteral("\\\\"));
    if (rewriteImages)
        replaceAll(text, QLatin1String("tavo_img"),
                   target.serviceBaseUrl + QStringLiteral("/tavosites/") + target.unixName +
                       QStringLiteral("/tavo_img"));
    replaceAll(text, QLatin1String("bin/"),
               target.serviceBaseUrl + QStringLiteral("/zeb/templates/") +
                   QString::number(target.selectedTemplateIndex + 1) + QStringLiteral("/bin/"),
               Qt::CaseSensitive);
    replaceAll(text, QLatin1String("href=\""), QStringLiteral("href=\"/?p="));
    replaceAll(text, QLatin1String("href='"), QStringLiteral("href='/?p="));
    // Absolute and mail links keep their own addresses.
    replaceAll(text, QLatin1String("/?p=http"), QStringLiteral("http"));
    replaceAll(text, QLatin1String("/?p=ftp"), QStringLiteral("ftp"));
    replaceAll(text, QLatin1String("/?p=mailto:"), QStringLiteral("mailto:"));
    replaceAll(text, QLatin1String("\""), QStringLiteral("\\\""));
    // Inside a double-quoted PHP string "$" starts a variable: escaped, no page text can
    // reach PHP as code.
    replaceAll(text, QLatin1String("$"), QStringLiteral("\\$"));
    return QStringLiteral("<?php\r\n\r\n$html = \"") + text + QStringLiteral("\";\r\n\r\n?>");
}

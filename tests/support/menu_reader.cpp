#include "support/menu_reader.h"

#include "generator/menu_styles.h"

#include <QRegularExpression>

QList<MenuLink> ReadMenu(const QString& page, const QString& marker, const QString& containerEnd) {
    QList<MenuLink> links;
    const qsizetype start = page.indexOf(marker);
    if (start < 0)
        return links;
    const qsizetype end = page.indexOf(containerEnd, start, Qt::CaseInsensitive);
    const QString menu = page.mid(start, end < 0 ? -1 : end - start);
    static const QRegularExpression link(
        QStringLiteral("<a\\b[^>]*?href=[\"']([^\"']*)[\"'][^>]*>(.*?)</a>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tagOrComment(QStringLiteral("<!--.*?-->|<[^>]*>"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    qsizetype itemStart = 0;
    for (auto it = link.globalMatch(menu); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString label = m.captured(2);
        label.remove(tagOrComment);
        links.append({m.captured(1), label.trimmed(),
                      menu.mid(itemStart, m.capturedStart(0) - itemStart).trimmed() +
                          m.captured(0).left(m.captured(0).indexOf(QLatin1Char('>')) + 1)});
        itemStart = m.capturedEnd(0);
    }
    return links;
}

QList<MenuLink> ReadMainMenu(const QString& page, const QString& templateIndexHtml) {
    const int style = MainMenuStyleNumber(templateIndexHtml);
    if (style == 0)
        return {};
    return ReadMenu(page, MainMenuMarker(), MainMenuStyle(style).containerEnd);
}

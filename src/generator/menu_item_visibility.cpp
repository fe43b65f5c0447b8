#include "generator/menu_item_visibility.h"

#include "generator/menu_styles.h"

bool HideMenuItem(QString& page, const QString& label) {
    const qsizetype menu = page.indexOf(MainMenuMarker());
    if (menu < 0 || label.isEmpty())
        return false;
    // An item whose whole text is the label comes first, so hiding "About" does not take the
    // "About Us" item that happens to stand before it.
    qsizetype at =
        page.indexOf(QLatin1Char('>') + label + QLatin1Char('<'), menu, Qt::CaseInsensitive);
    if (at < 0)
        at = page.indexOf(QLatin1Char('>') + label, menu, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    const qsizetype b = at + 1;
    const qsizetype c = page.indexOf(QLatin1String("</a>"), b, Qt::CaseInsensitive);
    if (c < 0)
        return false;
    page.replace(b, c - b, QStringLiteral("<!-- ") + label + QStringLiteral(" -->"));
    return true;
}

bool ShowMenuItem(QString& page, const QString& label) {
    const qsizetype menu = page.indexOf(MainMenuMarker());
    if (menu < 0 || label.isEmpty())
        return false;
    const qsizetype at = page.indexOf(QStringLiteral("><!-- ") + label + QStringLiteral(" -->"),
                                      menu, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    page.insert(at + 1, label);
    return true;
}

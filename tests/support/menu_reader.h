#pragma once

#include <QList>
#include <QString>

// One link of a menu as a reader of the page sees it.
struct MenuLink {
    QString target; // the href value
    QString label;  // the visible text: tags and comments removed, trimmed
    QString markup; // the item's opening markup up to its link text
    bool operator==(const MenuLink& o) const { return target == o.target && label == o.label; }
};

// The links between the first marker and the first containerEnd after it (found without
// regard to case).
QList<MenuLink> ReadMenu(const QString& page, const QString& marker, const QString& containerEnd);

// The main menu, with the container end of the style named in the template's index.html.
QList<MenuLink> ReadMainMenu(const QString& page, const QString& templateIndexHtml);

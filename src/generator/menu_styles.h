#pragma once

#include <QString>

// How one kind of menu is marked up in a template. Items are copied from the template's own
// sample items, so only the texts that delimit them are fixed here.
struct MenuStyle {
    QString itemStart;    // where the old items begin (the first after the marker)
    QString containerEnd; // the end tag closing the menu (the first after the marker)
    QString itemEnd;      // what follows the sample label at the end of a sample item
    QString copyStart;    // where a sample item begins (the last before its label)
    QString separator;    // appended after every item but the last
};

QString MainMenuMarker();   // "sys_navigation"
QString SecondMenuMarker(); // "<!-- 2nd Menu Type"

// The main menu's style, 1 to 4, from the "<!-- dtypeN -->" comment of the template's
// "index.html" (searched lower-cased); 0 when there is none.
int MainMenuStyleNumber(const QString& templateIndexHtml);
const MenuStyle& MainMenuStyle(int number);

// The second menu's style named by the page's full marker comment; a page whose marker is
// none of the four forms takes the one matching the main style. Null when neither applies.
const MenuStyle* SecondMenuStyle(const QString& pageText, int mainStyleNumber);

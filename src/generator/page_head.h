#pragma once

#include "site/site_page.h"

#include <QString>

// The three head values a page keeps both in its file and in its record. They are found by
// fixed texts: the first "<title>" ... "</title", and meta tags written exactly as
// <meta name="description" content="..."> and <meta name="keywords" content="...">.
// Values are inserted as stored, without escaping.
struct TPageHead {
    QString WindowTitle;
    QString Description;
    QString Keywords;

    bool operator==(const TPageHead&) const = default;
};

// Empty values for what cannot be found.
TPageHead ReadPageHead(const QString& text);

// Each leaves the text unchanged when its element cannot be found.
QString WritePageTitle(const QString& text, const QString& title);
QString WritePageMeta(const QString& text, const QString& metaName, const QString& value);
QString WritePageHead(const QString& text, const TSitePage& page);

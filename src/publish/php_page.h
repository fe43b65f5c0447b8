#pragma once

#include <QString>

// What a hosted page's addresses are rewritten against.
struct PhpPageTarget {
    QString serviceBaseUrl;
    QString unixName;
    int selectedTemplateIndex = 0;
};

// Turns a page's HTML (as LoadTextFile gives it) into the PHP file the hosting service
// serves: links between pages become "/?p=" links, template assets and (with rewriteImages)
// the site's pictures are addressed on the service, and the text becomes one double-quoted
// PHP string assigned to $html. Backslashes, double quotes and "$" are escaped, so the string
// yields the rewritten HTML exactly and nothing in a page can run as PHP code.
QString PreparePhpPage(const QString& html, bool rewriteImages, const PhpPageTarget& target);

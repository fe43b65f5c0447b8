#pragma once

#include <QString>
#include <QStringList>

// The page-side halves of the browser's document queries. Each script evaluates to a plain
// value (number, string, list or map) that survives the trip out of the page.

// A map {error} or {boxes: [box or null per id]}; box = {offsetLeft, offsetTop, offsetWidth,
// offsetHeight, left, top}.
QString FindElementsScript(const QStringList& ids);
// The larger of the body's and the root element's scrollHeight.
QString PageHeightScript();
QString ScrollTopScript();
QString ScrollByScript(int dx, int dy);

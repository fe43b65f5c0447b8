#include "browser/dom_scripts.h"

#include <QJsonArray>
#include <QJsonDocument>

QString FindElementsScript(const QStringList& ids) {
    // The ids travel as a JSON array literal, so no quote in an id can break the script.
    const QString wanted = QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(ids)).toJson(QJsonDocument::Compact));
    return QStringLiteral(R"JS((function (wanted) {
  if (!(document instanceof HTMLDocument)) return {error: "Invalid HTML document"};
  if (!document.body) return {error: "Can't find <body> element"};
  var all = document.body.getElementsByTagName("*");
  function find(id) {
    var lower = id.toLowerCase();
    for (var i = 0; i < all.length; i++)
      if (String(all[i].id).toLowerCase() === lower) return all[i];
    return null;
  }
  function box(e) {
    if (!e) return null;
    var left = 0, top = 0;
    for (var p = e; p; p = p.offsetParent) { left += p.offsetLeft; top += p.offsetTop; }
    return {offsetLeft: e.offsetLeft, offsetTop: e.offsetTop, offsetWidth: e.offsetWidth,
            offsetHeight: e.offsetHeight, left: left, top: top};
  }
  return {boxes: wanted.map(function (id) { return box(find(id)); })};
})(%1))JS")
        .arg(wanted);
}

QString PageHeightScript() {
    return QStringLiteral(R"JS((function () {
  var root = document.documentElement ? document.documentElement.scrollHeight : 0;
  var body = document.body ? document.body.scrollHeight : 0;
  return Math.max(root, body);
})())JS");
}

QString ScrollTopScript() {
    return QStringLiteral("document.documentElement ? document.documentElement.scrollTop : 0");
}

QString ScrollByScript(int dx, int dy) {
    return QStringLiteral("window.scrollBy(%1, %2); 0").arg(dx).arg(dy);
}

#include "generator/link_rewriting.h"

#include <initializer_list>
#include <utility>

namespace {

using Replacement = std::pair<const char*, const char*>;

QString applyAll(QString text, std::initializer_list<Replacement> replacements) {
    for (const auto& [from, to] : replacements)
        text.replace(QLatin1String(from), QLatin1String(to), Qt::CaseInsensitive);
    return text;
}

} // namespace

QString MakeLinksInert(const QString& text) {
    return applyAll(text, {{"href=\"", "href=\"#"}, {"href='", "href='#"}});
}

QString MakeLinksReal(const QString& text) {
    return applyAll(text, {{"href=\"#", "href=\""}, {"href='#", "href='"}});
}

QString MakePreviewLinks(const QString& text) {
    return applyAll(text, {{"href=\"\"", "href=\"index.html\""},
                           {"href=''", "href='index.html'"},
                           {"./\"", "index.html\""},
                           {"./'", "index.html'"},
                           {".php\"", ".html\""},
                           {".php'", ".html'"}});
}

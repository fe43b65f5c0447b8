#include "generator/menu_styles.h"

#include <array>

namespace {

MenuStyle style(const char* itemStart, const char* containerEnd, const char* itemEnd,
                const char* copyStart, const char* separator = "") {
    return {QLatin1String(itemStart), QLatin1String(containerEnd), QLatin1String(itemEnd),
            QLatin1String(copyStart), QLatin1String(separator)};
}

const std::array<MenuStyle, 4>& mainStyles() {
    static const std::array<MenuStyle, 4> styles = {
        style("<li", "</ul>", "</a></li>", "<li"),
        style("<span", "</div>", "</a></span>", "<span"),
        style("<a", "</div>", "</a> |", "<a "),
        style("<li", "</ul>", "</span></a></li>", "<li"),
    };
    return styles;
}

struct SecondStyle {
    const char* marker;
    MenuStyle style;
};

// In the order the page's marker is tested; entry i also serves main style i + 1.
const std::array<SecondStyle, 4>& secondStyles() {
    static const std::array<SecondStyle, 4> styles = {{
        {"<!-- 2nd Menu Type 1 -->", style("<li", "</ul>", "</a></li>", "<li")},
        {"<!-- 2nd Menu Type 1b -->",
         style("<li", "</ul>", "</a></li>", "<li", "<li><span class=\"nav_sep\">|</span></li>")},
        {"<!-- 2nd Menu Type 2 -->", style("<a", "</div>", "</a>", "<a ")},
        {"<!-- 2nd Menu Type 2b -->", style("<a", "</div>", "</a>", "<a", " | ")},
    }};
    return styles;
}

} // namespace

QString MainMenuMarker() {
    return QStringLiteral("sys_navigation");
}
QString SecondMenuMarker() {
    return QStringLiteral("<!-- 2nd Menu Type");
}

int MainMenuStyleNumber(const QString& templateIndexHtml) {
    const QString lower = templateIndexHtml.toLower();
    for (int n = 1; n <= 4; ++n)
        if (lower.contains(QStringLiteral("<!-- dtype%1 -->").arg(n)))
            return n;
    return 0;
}

const MenuStyle& MainMenuStyle(int number) {
    return mainStyles().at(number - 1);
}

const MenuStyle* SecondMenuStyle(const QString& pageText, int mainStyleNumber) {
    for (const SecondStyle& s : secondStyles())
        if (pageText.contains(QLatin1String(s.marker)))
            return &s.style;
    if (mainStyleNumber >= 1 && mainStyleNumber <= 4)
        return &secondStyles().at(mainStyleNumber - 1).style;
    return nullptr;
}

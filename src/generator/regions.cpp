#include "generator/regions.h"

QString RegionStartMarker(int n) {
    return QStringLiteral("<div id=\"tavodiv%1\">").arg(n);
}

QString RegionEndMarker(int n) {
    return QStringLiteral("</div><!-- tavodiv%1 -->").arg(n);
}

QString RegionEndMarkerPrefix() {
    return QStringLiteral("</div><!-- tavodiv");
}

RegionBounds RegionContentBounds(const QString& text, int n) {
    const QString start = RegionStartMarker(n);
    const qsizetype s = text.indexOf(start);
    if (s < 0)
        return {};
    const qsizetype first = s + start.size();
    const qsizetype last = text.indexOf(RegionEndMarkerPrefix(), first);
    if (last < 0)
        return {};
    return {true, int(first), int(last)};
}

QString GetRegionHtml(const QString& text, int n) {
    const RegionBounds b = RegionContentBounds(text, n);
    return b.found ? text.mid(b.first, b.last - b.first) : QString();
}

QString SetRegionHtml(const QString& text, int n, const QString& content) {
    const RegionBounds b = RegionContentBounds(text, n);
    if (!b.found)
        return text;
    QString out = text;
    out.replace(b.first, b.last - b.first, content);
    return out;
}

namespace {

// 0-based span [start, end) of region n's whole text, markers included.
struct WholeRegion {
    qsizetype start = -1;
    qsizetype end = -1;
    bool found() const { return start >= 0 && end > start; }
};

WholeRegion findWholeRegion(const QString& text, int n) {
    const qsizetype a = text.indexOf(RegionStartMarker(n));
    const QString endMarker = RegionEndMarker(n);
    const qsizetype b = text.indexOf(endMarker);
    if (a < 0 || b < a)
        return {};
    return {a, b + endMarker.size()};
}

} // namespace

QString TransplantRegions(const QString& pageText, const QString& templateText) {
    QString out = templateText;
    for (int j = 1; j <= 4; ++j) {
        const WholeRegion page = findWholeRegion(pageText, j);
        const WholeRegion target = findWholeRegion(out, j);
        if (!page.found() || !target.found())
            continue;
        out.replace(target.start, target.end - target.start,
                    pageText.mid(page.start, page.end - page.start));
    }
    return out;
}

bool HasTransplantableRegions(const QString& pageText) {
    for (int j = 1; j <= 4; ++j)
        if (!pageText.contains(QStringLiteral("tavodiv%1").arg(j)))
            return false;
    return true;
}

#include "generator/page_head.h"

namespace {

// 0-based span [first, last) of a head value.
struct Span {
    qsizetype first = -1;
    qsizetype last = -1;
    bool found() const { return first >= 0 && last >= first; }
};

Span titleSpan(const QString& text) {
    const qsizetype open = text.indexOf(QLatin1String("<title>"));
    const qsizetype close = text.indexOf(QLatin1String("</title"));
    if (open < 0 || close < 0)
        return {};
    return {open + 7, close};
}

Span metaSpan(const QString& text, const QString& metaName) {
    const QString opening =
        QStringLiteral("<meta name=\"") + metaName + QStringLiteral("\" content=\"");
    const qsizetype p = text.indexOf(opening);
    if (p < 0)
        return {};
    const qsizetype first = p + opening.size();
    const qsizetype quote = text.indexOf(QLatin1Char('"'), first);
    if (quote < 0)
        return {};
    return {first, quote};
}

QString spanText(const QString& text, Span span) {
    return span.found() ? text.mid(span.first, span.last - span.first) : QString();
}

QString replaceSpan(const QString& text, Span span, const QString& value) {
    if (!span.found())
        return text;
    QString out = text;
    out.replace(span.first, span.last - span.first, value);
    return out;
}

const QString Description = QStringLiteral("description");
const QString Keywords = QStringLiteral("keywords");

} // namespace

TPageHead ReadPageHead(const QString& text) {
    return {spanText(text, titleSpan(text)), spanText(text, metaSpan(text, Description)),
            spanText(text, metaSpan(text, Keywords))};
}

QString WritePageTitle(const QString& text, const QString& title) {
    return replaceSpan(text, titleSpan(text), title);
}

QString WritePageMeta(const QString& text, const QString& metaName, const QString& value) {
    return replaceSpan(text, metaSpan(text, metaName), value);
}

QString WritePageHead(const QString& text, const TSitePage& page) {
    QString out = WritePageTitle(text, page.WindowTitle);
    out = WritePageMeta(out, Description, page.Description);
    return WritePageMeta(out, Keywords, page.Keywords);
}

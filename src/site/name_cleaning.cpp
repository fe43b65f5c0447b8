#include "site/name_cleaning.h"

namespace {
constexpr char16_t Removed[] = u"~!@#$%^&*()_,./{}\\|+=[];':\"<>?";
}

QString SanitiseSiteName(const QString& text) {
    QString out;
    out.reserve(text.size());
    const QStringView removed(Removed);
    for (const QChar c : text) {
        if (removed.contains(c))
            continue;
        out += c == QLatin1Char(' ') ? QLatin1Char('-') : c;
    }
    return out;
}

QString CleanPageFileName(const QString& text) {
    return SanitiseSiteName(text.trimmed());
}

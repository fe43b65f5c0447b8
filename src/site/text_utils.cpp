#include "site/text_utils.h"

int PosFrom(const QString& sub, const QString& text, int start) {
    if (start < 1)
        start = 1;
    if (start > text.size())
        return 0;
    const qsizetype at = text.indexOf(sub, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : int(at) + 1;
}

bool IsAllDigits(const QString& text) {
    if (text.trimmed().isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

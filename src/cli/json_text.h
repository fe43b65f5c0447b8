#pragma once

#include <QString>

// A JSON string literal, quotes included.
QString JsonString(const QString& text);
inline QString JsonBool(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

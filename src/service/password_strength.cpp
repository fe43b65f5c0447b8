#include "service/password_strength.h"

namespace {

const QColor Red(255, 0, 0);
const QColor Orange(255, 128, 0);
const QColor Green(0, 128, 0);

bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isPunctuation(char16_t c) {
    return (c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 95) ||
           (c >= 123 && c <= 126);
}

} // namespace

PasswordRating PasswordStrength(const QString& password) {
    if (password.size() < 5)
        return {QStringLiteral("Too Short"), Red};
    bool letter = false, digit = false, punctuation = false;
    for (const QChar c : password) {
        letter = letter || isAsciiLetter(c.unicode());
        digit = digit || isDigit(c.unicode());
        punctuation = punctuation || isPunctuation(c.unicode());
    }
    const bool longPassword = password.size() >= 10;
    switch (int(letter) + int(digit) + int(punctuation)) {
    case 0:
        return {QStringLiteral("Very Weak"), Red};
    case 1:
        return longPassword ? PasswordRating{QStringLiteral("Medium"), Orange}
                            : PasswordRating{QStringLiteral("Weak"), Red};
    case 2:
        return longPassword ? PasswordRating{QStringLiteral("Strong"), Green}
                            : PasswordRating{QStringLiteral("Medium"), Orange};
    default:
        return {QStringLiteral("Strong"), Green};
    }
}

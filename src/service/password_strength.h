#pragma once

#include <QColor>
#include <QString>

// The rating shown beside "Password Strength:" and its colour.
struct PasswordRating {
    QString text;
    QColor colour;
};

PasswordRating PasswordStrength(const QString& password);

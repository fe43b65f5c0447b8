#pragma once

#include <QString>

// What a core operation reports to its caller: success, or the message the user is shown.
struct Result {
    bool ok = true;
    QString message;

    static Result success() { return {}; }
    static Result failure(const QString& message) { return {false, message}; }
    explicit operator bool() const { return ok; }
};

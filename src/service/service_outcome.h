#pragma once

#include <QString>

// What a worker operation hands back to the window: the message to show and where to go
// next. The window shows it on the GUI thread after the worker has finished.
struct ServiceOutcome {
    enum class Message { None, Information, Error };
    enum class Next { Stay, PageList, PublishedPanel };

    bool ok = true;
    Message kind = Message::None;
    QString message;
    Next next = Next::Stay;

    static ServiceOutcome information(const QString& text, Next next = Next::Stay) {
        return {true, Message::Information, text, next};
    }
    static ServiceOutcome error(const QString& text) {
        return {false, Message::Error, text, Next::Stay};
    }
    // A refusal the window shows as information (a wrong login, for example).
    static ServiceOutcome refused(const QString& text) {
        return {false, Message::Information, text, Next::Stay};
    }
};

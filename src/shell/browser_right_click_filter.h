#pragma once

#include <QObject>

// Swallows right-button presses, releases and context-menu requests aimed at the embedded
// browsers (any widget inside one whose object name starts with "WebBrowser"), so they never
// show their own context menu. Everything else passes.
class BrowserRightClickFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static bool isInsideBrowser(const QObject* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

#pragma once

#include "browser/web_browser.h"

#include <QSignalSpy>

// Shows path in browser and waits for its document to complete; false on a time-out or a
// document that could not be shown.
inline bool NavigateAndWait(WebBrowser& browser, const QString& path, int timeoutMs = 30000) {
    QSignalSpy complete(&browser, &WebBrowser::DocumentComplete);
    browser.Navigate(path);
    if (!complete.wait(timeoutMs))
        return false;
    return complete.takeLast().at(0).toBool();
}

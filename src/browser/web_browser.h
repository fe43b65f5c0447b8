#pragma once

#include "browser/element_box.h"

#include <QPoint>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QWebEngineView>
#include <optional>
#include <vector>

class QWebEngineLoadingInfo;

// The embedded browser: shows local HTML files and answers questions about the shown document.
// The engine answers document queries asynchronously; this class waits for each answer (user
// input is held back meanwhile, timers and painting go on), so callers read the document as
// if it were a local object. The view never shows a context menu and no right click reaches
// the page. As a child widget it may be larger than its parent and is clipped by it.
class WebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);

    // Shows the local file at path (no URL scheme). The file is read afresh, with its
    // pictures and style sheets, even when the same path is already shown; relative
    // references resolve against the file's folder.
    void Navigate(const QString& path);
    // The local file last navigated to (or followed to by a link), empty before any.
    QString DocumentPath() const;

    // 0 before the first navigation, 1 while a document is loading, 4 once it is complete.
    int ReadyState() const;

    // The first element under the body whose id equals id, ignoring case.
    ElementLookup FindElementById(const QString& id);
    // The same for several ids in one question to the page; one answer per id, in order.
    std::vector<ElementLookup> FindElementsById(const QStringList& ids);

    // The larger of the body's and the root element's scrollHeight; empty when the page
    // did not answer.
    std::optional<int> PageHeight();
    // The root element's scrollTop.
    std::optional<int> ScrollTop();
    // Scrolls the document's window; done when this returns.
    void ScrollBy(int dx, int dy);

    // The view's top-left corner on the screen.
    QPoint ClientOriginOnScreen() const;

    // How long a document query waits for the page's answer.
    static constexpr int QueryTimeoutMs = 10000;

signals:
    // Raised once after every load of a document (ok is false for a file that could not be
    // shown), when no other load is pending; ReadyState is 4 from then on.
    void DocumentComplete(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    // Runs script in the page and waits for its value; empty when the page gave none in time.
    std::optional<QVariant> evaluate(const QString& script);
    void watchChild(QObject* child);

    QUrl expectedUrl_;
    bool navigated_ = false;
    bool loading_ = false;
};

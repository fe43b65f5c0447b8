#include "browser/web_browser.h"

#include "browser/dom_scripts.h"

#include <QChildEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <memory>

namespace {

bool SameLocalFile(const QUrl& a, const QUrl& b) {
    return a.isLocalFile() && b.isLocalFile() &&
           QFileInfo(a.toLocalFile()).absoluteFilePath() ==
               QFileInfo(b.toLocalFile()).absoluteFilePath();
}

int IntField(const QVariantMap& map, const char* name) {
    return map.value(QString::fromLatin1(name)).toInt();
}

} // namespace

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent) {
    // Page files change under the same names all the time (the editing copy is rewritten on
    // every edit); nothing may come from a cache.
    page()->profile()->setHttpCacheType(QWebEngineProfile::NoCache);
    setContextMenuPolicy(Qt::NoContextMenu);
    installEventFilter(this);
    for (QObject* child : children())
        watchChild(child);
    connect(page(), &QWebEnginePage::loadingChanged, this, &WebBrowser::onLoadingChanged);
}

void WebBrowser::Navigate(const QString& path) {
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    navigated_ = true;
    loading_ = true;
    const bool sameDocument = SameLocalFile(url, expectedUrl_) && SameLocalFile(url, this->url());
    expectedUrl_ = url;
    if (sameDocument)
        page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    else
        load(url);
}

QString WebBrowser::DocumentPath() const {
    return expectedUrl_.isLocalFile() ? expectedUrl_.toLocalFile() : QString();
}

int WebBrowser::ReadyState() const {
    if (!navigated_)
        return 0;
    return loading_ ? 1 : 4;
}

void WebBrowser::onLoadingChanged(const QWebEngineLoadingInfo& info) {
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        // A load the page started itself (a followed link) becomes the one awaited.
        if (!SameLocalFile(info.url(), expectedUrl_) && info.url() != expectedUrl_) {
            expectedUrl_ = info.url();
            navigated_ = true;
        }
        loading_ = true;
        return;
    }
    // The end of a load that a later navigation replaced is not this document's completion.
    if (!SameLocalFile(info.url(), expectedUrl_) && info.url() != expectedUrl_)
        return;
    if (!loading_)
        return;
    loading_ = false;
    emit DocumentComplete(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus &&
                          !info.isErrorPage());
}

std::optional<QVariant> WebBrowser::evaluate(const QString& script) {
    // The answer may arrive after the wait gave up, or after this view is gone: the callback
    // only touches this shared record.
    struct Answer {
        bool arrived = false;
        QVariant value;
        QEventLoop loop;
    };
    auto answer = std::make_shared<Answer>();
    std::weak_ptr<Answer> pending = answer;
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [pending](const QVariant& v) {
        if (auto a = pending.lock()) {
            a->arrived = true;
            a->value = v;
            a->loop.quit();
        }
    });
    if (!answer->arrived) {
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &answer->loop, &QEventLoop::quit);
        connect(this, &QObject::destroyed, &answer->loop, &QEventLoop::quit);
        timeout.start(QueryTimeoutMs);
        answer->loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!answer->arrived)
        return std::nullopt;
    return answer->value;
}

std::vector<ElementLookup> WebBrowser::FindElementsById(const QStringList& ids) {
    std::vector<ElementLookup> lookups(size_t(ids.size()));
    const std::optional<QVariant> value = evaluate(FindElementsScript(ids));
    const QVariantMap reply = value ? value->toMap() : QVariantMap();
    Result failure;
    if (!value || reply.isEmpty())
        failure = Result::failure(QStringLiteral("The page did not answer."));
    else if (reply.contains(QStringLiteral("error")))
        failure = Result::failure(reply.value(QStringLiteral("error")).toString());
    if (!failure.ok) {
        for (ElementLookup& lookup : lookups)
            lookup.result = failure;
        return lookups;
    }
    const QVariantList boxes = reply.value(QStringLiteral("boxes")).toList();
    for (qsizetype i = 0; i < ids.size() && i < boxes.size(); ++i) {
        const QVariantMap box = boxes[i].toMap();
        if (box.isEmpty())
            continue;
        lookups[size_t(i)].element = ElementBox{
            IntField(box, "offsetLeft"),   IntField(box, "offsetTop"), IntField(box, "offsetWidth"),
            IntField(box, "offsetHeight"), IntField(box, "left"),      IntField(box, "top")};
    }
    return lookups;
}

ElementLookup WebBrowser::FindElementById(const QString& id) {
    return FindElementsById({id}).front();
}

std::optional<int> WebBrowser::PageHeight() {
    const std::optional<QVariant> value = evaluate(PageHeightScript());
    if (!value || !value->isValid())
        return std::nullopt;
    return value->toInt();
}

std::optional<int> WebBrowser::ScrollTop() {
    const std::optional<QVariant> value = evaluate(ScrollTopScript());
    if (!value || !value->isValid())
        return std::nullopt;
    return value->toInt();
}

void WebBrowser::ScrollBy(int dx, int dy) {
    evaluate(ScrollByScript(dx, dy));
}

QPoint WebBrowser::ClientOriginOnScreen() const {
    return mapToGlobal(QPoint(0, 0));
}

void WebBrowser::watchChild(QObject* child) {
    if (child->isWidgetType())
        child->installEventFilter(this);
}

bool WebBrowser::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        // The engine puts its render widget inside the view once a page exists.
        watchChild(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return true;
        break;
    case QEvent::ContextMenu:
        return true;
    default:
        break;
    }
    return QWebEngineView::eventFilter(watched, event);
}

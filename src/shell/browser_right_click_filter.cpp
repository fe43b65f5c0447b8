#include "shell/browser_right_click_filter.h"

#include <QMouseEvent>
#include <QWidget>

bool BrowserRightClickFilter::isInsideBrowser(const QObject* target) {
    for (const QObject* o = target; o; o = o->parent()) {
        if (o->objectName().startsWith(QLatin1String("WebBrowser")))
            return true;
        if (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow())
            break;
    }
    return false;
}

bool BrowserRightClickFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return isInsideBrowser(watched);
        return false;
    case QEvent::ContextMenu:
        return isInsideBrowser(watched);
    default:
        return false;
    }
}

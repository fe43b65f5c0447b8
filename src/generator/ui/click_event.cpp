#include "generator/ui/click_event.h"

#include <QMouseEvent>
#include <QWidget>

bool IsLeftClickInside(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    return mouse->button() == Qt::LeftButton && widget &&
           widget->rect().contains(mouse->position().toPoint());
}

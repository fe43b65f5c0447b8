// The window's own frame: dragging by the title area, the resize grip, filling the work
// area and back, minimise and close.
#include "shell/main_window.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse)
        return QWidget::eventFilter(watched, event);
    if (watched == grip_) {
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            resizeStartCursor_ = QCursor::pos();
            resizeStartSize_ = size();
            resizing_ = true;
            Timer1.start();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            resizing_ = false;
            callHook(hooks_.RefreshRegionOverlays);
            FormResize();
            return true;
        }
        return false;
    }
    // The title area and the pictures on it move the window.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            startTitleDrag(static_cast<QWidget*>(watched), mouse->globalPosition().toPoint());
            return true;
        }
        return false;
    case QEvent::MouseMove:
        if (dragging_)
            move(mouse->globalPosition().toPoint() - dragOffset_);
        return dragging_;
    case QEvent::MouseButtonRelease:
        if (dragging_ && mouse->button() == Qt::LeftButton) {
            dragging_ = false;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TForm1::startTitleDrag(QWidget* source, const QPoint& globalPos) {
    if (FillsWorkArea)
        return;
    Timer12.start();
    // The window manager moves the window where it can; elsewhere we follow the pointer.
    QWindow* handle = windowHandle();
    if (handle && handle->startSystemMove())
        return;
    source->grabMouse();
    source->releaseMouse();
    dragging_ = true;
    dragOffset_ = globalPos - pos();
}

void TForm1::Timer1Timer() {
    if (!resizing_) {
        Timer1.stop();
        return;
    }
    const QPoint moved = QCursor::pos() - resizeStartCursor_;
    resize(resizeStartSize_.width() + moved.x(), resizeStartSize_.height() + moved.y());
}

void TForm1::Timer12Timer() {
    if (QGuiApplication::mouseButtons() & Qt::LeftButton)
        return;
    Timer12.stop();
    callHook(hooks_.RefreshRegionOverlays);
}

void TForm1::Image16Click() {
    FillsWorkArea = !FillsWorkArea;
    const bool frameShown = !FillsWorkArea;
    if (FillsWorkArea) {
        savedBounds_ = geometry();
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect work = s ? s->availableGeometry() : QRect(0, 0, 1202, 617);
        setGeometry(work.left(), work.top(), work.width() + 1, work.height() + 1);
    } else {
        setGeometry(savedBounds_);
    }
    grip_->setVisible(frameShown);
    for (QWidget* line : borderLines_)
        line->setVisible(frameShown);
    for (QLabel* corner : corners_)
        corner->setVisible(frameShown);
    applyWindowShape();
    callHook(hooks_.RefreshRegionOverlays);
    FormResize();
}

void TForm1::Image15Click() {
    showMinimized();
}
void TForm1::Image17Click() {
    close();
}

#include "shell/image_button.h"

#include "shell/shell_palette.h"

#include <QEnterEvent>
#include <QMouseEvent>

ImageButton::ImageButton(QWidget* parent, const QString& objectName, const PictureSets& sets,
                         int set, ReleaseTo release)
    : QLabel(parent), sets_(sets), set_(set), release_(release) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    showNormal();
}

void ImageButton::setGuard(std::function<bool()> guard, bool guardsRelease) {
    guard_ = std::move(guard);
    guardsRelease_ = guardsRelease;
}

void ImageButton::showNormal() {
    setPixmap(sets_.NormalPictures[size_t(set_)]);
    if (!pixmap().isNull())
        resize(pixmap().size());
}

void ImageButton::showHover() {
    setPixmap(sets_.HoverPictures[size_t(set_)]);
}

void ImageButton::showPressed() {
    setPixmap(pressedFrom_ > 0 ? sets_.NormalPictures[size_t(pressedFrom_)]
                               : sets_.PressedPictures[size_t(set_)]);
}

void ImageButton::onEnter() {
    if (!guarded())
        showHover();
}

void ImageButton::onLeave() {
    if (!guarded())
        showNormal();
}

void ImageButton::onPress() {
    if (!guarded() && !enterLeaveOnly_)
        showPressed();
}

void ImageButton::onRelease(bool inside) {
    if (!enterLeaveOnly_ && !(guardsRelease_ && guarded())) {
        if (release_ == ReleaseTo::Hover)
            showHover();
        else if (release_ == ReleaseTo::Normal)
            showNormal();
    }
    if (inside)
        emit clicked();
}

void ImageButton::enterEvent(QEnterEvent*) {
    onEnter();
}
void ImageButton::leaveEvent(QEvent*) {
    onLeave();
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        onPress();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        onRelease(rect().contains(event->position().toPoint()));
}

void ImageButton::addPart(QWidget* part) {
    part->setCursor(cursor());
    part->installEventFilter(this);
}

bool ImageButton::eventFilter(QObject* watched, QEvent* event) {
    auto* part = qobject_cast<QWidget*>(watched);
    if (!part)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        onEnter();
        return false;
    case QEvent::Leave:
        onLeave();
        return false;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            onPress();
        return true;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            onRelease(part->rect().contains(mouse->position().toPoint()));
        return true;
    }
    default:
        return false;
    }
}

void ImageButton::addCaption(const QString& text, const QString& shadowName,
                             const QString& labelName) {
    auto makeLabel = [&](const QString& name, const QColor& colour, QPoint offset) {
        auto* label = new QLabel(text, parentWidget());
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                                 .arg(colour.name(QColor::HexArgb)));
        label->setGeometry(geometry().translated(offset));
        label->show();
        addPart(label);
        return label;
    };
    makeLabel(shadowName, QColor(0, 0, 0, 70), {0, 0});
    makeLabel(labelName, Qt::white, {1, -1});
}

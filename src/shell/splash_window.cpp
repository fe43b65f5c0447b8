#include "shell/splash_window.h"

#include "shell/pixel_operations.h"
#include "shell/splash_fade.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>

TFormSplash::TFormSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TFormSplash"));
    setAttribute(Qt::WA_TranslucentBackground);
    resize(200, 200);
    TimerSplash.setObjectName(QStringLiteral("TimerSplash"));
    TimerSplash.setInterval(4000);
    connect(&TimerSplash, &QTimer::timeout, this, &QWidget::close);
}

Result TFormSplash::Execute(const QString& appDataDir) {
    const QImage loaded(appDataDir + QStringLiteral("splash.png"));
    picture_ = PremultiplyAlpha(loaded);
    if (picture_.isNull())
        return Result::failure(QStringLiteral("Wrong bitmap format - must be 32 bits/pixel"));
    resize(picture_.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center().x() - width() / 2, area.center().y() - height() / 2);
    }
    opacity_ = 0;
    shownOpacities_.clear();
    show();
    qApp->installEventFilter(this);
    // Each step waits for the clock to move on, polling every 10 ms.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = clock.elapsed();
    while (opacity_ < 255) {
        QEventLoop wait;
        QTimer::singleShot(10, &wait, &QEventLoop::quit);
        wait.exec();
        if (clock.elapsed() == lastTick)
            continue;
        lastTick = clock.elapsed();
        opacity_ = NextSplashOpacity(opacity_);
        shownOpacities_ << opacity_;
        repaint();
    }
    TimerSplash.start();
    return Result::success();
}

void TFormSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(opacity_ / 255.0);
    p.drawImage(0, 0, picture_);
}

void TFormSplash::mousePressEvent(QMouseEvent*) {
    close();
}

bool TFormSplash::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isVisible())
        close();
    return false;
}

void TFormSplash::closeEvent(QCloseEvent* event) {
    TimerSplash.stop();
    qApp->removeEventFilter(this);
    event->accept();
}

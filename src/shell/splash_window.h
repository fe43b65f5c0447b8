#pragma once

#include "site/result.h"

#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

// The splash: a per-pixel-alpha picture that fades in over the start, stays on top and
// closes after 4 seconds, on a click or on any key.
class TFormSplash : public QWidget {
    Q_OBJECT
public:
    TFormSplash();

    // Shows the splash and fades it in; returns when it is fully opaque. Fails when the
    // picture is missing or has no alpha channel.
    Result Execute(const QString& appDataDir);

    // Every constant opacity the fade has shown, in order.
    const QList<int>& shownOpacities() const { return shownOpacities_; }
    QTimer TimerSplash;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage picture_; // premultiplied
    int opacity_ = 0;
    QList<int> shownOpacities_;
};

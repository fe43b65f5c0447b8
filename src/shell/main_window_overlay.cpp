// The modal overlay: a dimmed rendering of the window behind one dialog card or the busy
// card; the save lock and the completion timers that close it.
#include "shell/main_window.h"

#include "shell/pixel_operations.h"

#include <QEventLoop>
#include <QMovie>

void TForm1::ShowOverlay() {
    if (SaveLock)
        return;
    const int W = width();
    const int H = height();
    overlay_->setPixmap(QPixmap::fromImage(HalveChannels(grab().toImage())));
    overlay_->setGeometry(0, 0, W, H);
    overlay_->raise();
    callHook(hooks_.OverlayOpened);

    for (const auto& [card, fields] : dialogCards_) {
        card->move(W / 2 - card->width() / 2, H / 2 - card->height() / 2);
        if (fields)
            fields->move(card->x() + 30, card->y() + 80);
    }
    busyCard_->move(W / 2 - busyCard_->width() / 2, H / 2 - busyCard_->height() / 2);
    busyAnimation_->move(W / 2 - busyAnimation_->width() / 2 - 25,
                         H / 2 - busyAnimation_->height() / 2);
    busyCaption_->move(busyAnimation_->x() + busyAnimation_->width() + 10,
                       busyAnimation_->y() + 15);
    if (deleteCard_)
        messageLabel_->move(deleteCard_->x() + 30, deleteCard_->y() + 100);
    messageLabel_->hide();
    callHook(hooks_.StopRegionTracking);
}

void TForm1::ShowBusy(const QString& caption) {
    if (QMovie* old = busyAnimation_->movie())
        old->deleteLater();
    auto* movie =
        new QMovie(folders_.appDataDir + QStringLiteral("large_loading.gif"), {}, busyAnimation_);
    busyAnimation_->setMovie(movie);
    movie->start();
    ShowOverlay();
    okButton_->hide();
    cancelLink_->hide();
    overlayClose_->hide();
    for (const auto& card : dialogCards_) {
        card.first->hide();
        if (card.second)
            card.second->hide();
    }
    busyCaption_->setText(caption);
    busyCaption_->adjustSize();
    busyCard_->show();
    busyAnimation_->show();
    busyAnimation_->raise();
    busyCaption_->show();
    busyCaption_->raise();
    overlay_->show();
    overlay_->raise();
    overlay_->repaint();
}

void TForm1::HideOverlay() {
    overlay_->hide();
    busyCard_->hide();
    busyAnimation_->hide();
    busyCaption_->hide();
    if (QMovie* movie = busyAnimation_->movie())
        movie->stop();
}

void TForm1::AddDialogCard(QWidget* card, QWidget* fields) {
    card->setParent(overlay_);
    if (fields)
        fields->setParent(overlay_);
    dialogCards_.append(qMakePair(card, fields));
}

void TForm1::StartSaveLock() {
    SaveLock = true;
    Timer2.start();
}

void TForm1::Timer2Timer() {
    Timer2.stop();
    for (const char* name : {"Image35", "Image54"})
        if (auto* save = findChild<QLabel*>(QLatin1String(name)))
            save->setPixmap(Pictures.NormalPictures[7]);
    SaveLock = false;
    callHook(hooks_.SaveLockEnded);
}

void TForm1::Timer10Timer() {
    Timer10.stop();
    HideOverlay();
    panels_[StartScreen]->hide();
    ShowTabs(true);
    OpenPageList();
}

void TForm1::ClosePublishedPopup() {
    if (!publishedPopup_)
        return;
    const int startHeight = publishedPopup_->height();
    const int bottom = publishedPopup_->y() + startHeight;
    for (int step = 1; step <= 10; ++step) {
        QEventLoop wait;
        QTimer::singleShot(10, &wait, &QEventLoop::quit);
        wait.exec();
        const int h = startHeight - startHeight * step / 10;
        publishedPopup_->setGeometry(publishedPopup_->x(), bottom - h, publishedPopup_->width(), h);
        publishedPopup_->repaint();
    }
    publishedPopup_->hide();
    // Ready to be shown again at its own size.
    publishedPopup_->setGeometry(publishedPopup_->x(), bottom - startHeight,
                                 publishedPopup_->width(), startHeight);
}

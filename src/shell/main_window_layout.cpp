// FormResize: the window laid out for the current screen, on every size and screen change.
#include "shell/main_window.h"

#include <QPainterPath>
#include <QRegion>
#include <QScopedValueRollback>

namespace {

constexpr int MinimumWidth = 1156;
constexpr int MinimumHeight = 610;
constexpr int MinimumPublishHeight = 640;
constexpr int StripTop = 127;
constexpr int StartFrameTop = 253;

// Integer centring of a width x in a container of width a.
int centred(int a, int x) {
    return a / 2 - x / 2;
}

} // namespace

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize() {
    if (inFormResize_)
        return;
    QScopedValueRollback<bool> once(inFormResize_, true);

    const int minimumHeight = ScreenMode == PublishScreen ? MinimumPublishHeight : MinimumHeight;
    setMinimumSize(MinimumWidth, minimumHeight);
    const int W = qMax(width(), MinimumWidth);
    const int H = qMax(height(), minimumHeight);
    if (W != width() || H != height())
        resize(W, H);

    applyWindowShape();
    layoutFrameParts(W, H);
    if (ScreenMode == StartScreen)
        layoutStartScreen(W);
    else
        layoutSiteScreen(W, H);
    bottomBar_->move(centred(W, bottomBar_->width()), frame_->y() + frame_->height());
    const int sideWidth = (frame_->width() - bottomBar_->width()) / 2;
    bottomLeft_->setGeometry(frame_->x() + 1, bottomBar_->y(), sideWidth, bottomBar_->height());
    bottomRight_->setGeometry(frame_->x() + frame_->width() - 1 - sideWidth, bottomBar_->y(),
                              sideWidth, bottomBar_->height());

    if (publishedPopup_ && publishedPopup_->isVisible())
        publishedPopup_->move(publishedPopup_->x(),
                              frame_->y() + frame_->height() - publishedPopup_->height());
}

void TForm1::applyWindowShape() {
    if (FillsWorkArea) {
        clearMask();
        return;
    }
    // Corner ellipses of 10 x 10; like the platform's rounded regions, the right and bottom
    // edges of the rectangle lie one pixel inside the window.
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, width() - 1, height() - 1), 5, 5);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
}

void TForm1::layoutFrameParts(int W, int H) {
    for (QLabel* step : steps_)
        step->move(W - 262, 44);
    titleArea_->setGeometry(0, 0, W, StripTop);
    strip_->setGeometry(0, StripTop, W, strip_->height());
    QWidget* start = panels_[StartScreen];
    start->move(centred(W, start->width()) + 100, start->y());

    borderLines_[0]->setGeometry(0, 0, 1, H);
    borderLines_[1]->setGeometry(W - 2, 0, 1, H);
    borderLines_[2]->setGeometry(0, 0, W, 1);
    borderLines_[3]->setGeometry(0, H - 2, W, 1);
    const int c = corners_[0]->width();
    corners_[0]->move(0, 0);
    corners_[1]->move(W - c - 1, 0);
    corners_[2]->move(0, H - c - 1);
    corners_[3]->move(W - c - 1, H - c - 1);
    grip_->move(W - 8 - grip_->width(), H - 8 - grip_->height());
    minimiseButton_->move(W - 122, 1);
    fillButton_->move(W - 81, 1);
    closeButton_->move(W - 40, 1);
    title_->move(W - 410, StripTop - title_->height());
    for (int k = 0; k < 5; ++k)
        tabs_[size_t(k)]->move(24 + k * 144, StripTop - 36);
}

void TForm1::layoutStartScreen(int W) {
    frame_->move(centred(W, frame_->width()), StartFrameTop);
    panels_[GalleryScreen]->hide();
    const QRect f = frame_->geometry();
    startClose_->move(f.x() + f.width() - 10 - startClose_->width(), f.y() + 10);
    QWidget* start = panels_[StartScreen];
    start->move(start->x(), f.y() + 80);
    banner1_->move(f.x() + centred(f.width(), banner1_->width()), 150);
    banner2_->move(f.x() + centred(f.width(), banner2_->width()), f.y() + 30);
    startArt_->move(f.x() + 46, f.y() + 92);
    banner1_->show();
    startArt_->show();
}

void TForm1::layoutSiteScreen(int W, int H) {
    banner1_->hide();
    banner2_->hide();
    startArt_->hide();
    startClose_->hide();
    // Centred with the width it gets now, so the frame never hangs past the window's edge.
    const int frameWidth = W - 60;
    frame_->setGeometry(centred(W, frameWidth), StripTop, frameWidth,
                        H - StripTop - bottomBar_->height() - 8);
    QWidget* panel = panelFor(ScreenMode);
    if (!panel)
        return;
    const QRect f = frame_->geometry();
    panel->setGeometry(f.x(), f.y(), f.width(), f.height() - bottomBar_->height());
    panel->show();
    const int pw = panel->width();
    const int ph = panel->height();
    switch (ScreenMode) {
    case GalleryScreen:
        callHook(hooks_.LayoutGallery);
        break;
    case EditorScreen:
        callHook(hooks_.LayoutEditScreen);
        break;
    case PageListScreen: {
        pageListScroll_->setGeometry(24, 80, pw - 32, ph - 80);
        const int right = pageListScroll_->x() + pageListScroll_->width() - 15;
        exportButton_->move(right - exportButton_->width(), 40 - exportButton_->height() / 2);
        newPageButton_->move(exportButton_->x() - 15 - newPageButton_->width(), exportButton_->y());
        break;
    }
    case AccountScreen:
        accountScroll_->setGeometry(24, 80, pw - 32, ph - 80);
        break;
    case PublishScreen:
        publishForm_->move(centred(pw, publishForm_->width()),
                           centred(ph, publishForm_->height()) + 45);
        publishHeading_->move(centred(pw, publishHeading_->width()), 24);
        break;
    default:
        break;
    }
}

QWidget* TForm1::panelFor(int mode) const {
    return mode >= StartScreen && mode <= PublishScreen ? panels_[size_t(mode)] : nullptr;
}

void TForm1::SetFrameSize(QSize size) {
    frame_->resize(size);
}

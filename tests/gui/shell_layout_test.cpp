// The frame's layout rules, filling the work area, and the modal overlay.
#include "shell_fixture.h"

#include "shell/pixel_operations.h"
#include "shell/shell_palette.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QWidget* part(TForm1& form, const char* name) {
    return form.findChild<QWidget*>(QLatin1String(name));
}

} // namespace

TEST(FormResize, SnapsBackToTheMinimumSizeOfTheScreen) {
    ShellRun run("bakery");
    TForm1& form = run.form();
    form.show();
    struct Case {
        void (TForm1::*enter)();
        QSize asked;
        QSize got;
    };
    const Case cases[] = {
        {&TForm1::Image51Click, {800, 400}, {1156, 610}},
        {&TForm1::Image51Click, {1300, 605}, {1300, 610}},
        {&TForm1::Image49Click, {1100, 900}, {1156, 900}},
        {&TForm1::Image52Click, {1156, 610}, {1156, 640}},
        {&TForm1::Image52Click, {1400, 700}, {1400, 700}},
    };
    for (const Case& c : cases) {
        (form.*c.enter)();
        form.resize(c.asked);
        Settle();
        EXPECT_EQ(form.size(), c.got) << c.asked.width() << "x" << c.asked.height();
    }
}

TEST(FormResize, EnteringThePublishScreenGrowsTheWindowTo640) {
    ShellRun run("bakery");
    TForm1& form = run.form();
    form.show();
    form.resize(1200, 615);
    Settle();
    form.Image52Click();
    Settle();
    EXPECT_EQ(form.height(), 640);
    EXPECT_EQ(form.y(), form.screen()->geometry().height() / 2 - 640 / 2 - 20);
}

TEST(FormResize, PlacesTheFramePartsByTheWindowSize) {
    ShellRun run("bakery");
    TForm1& form = run.form();
    form.show();
    form.resize(1300, 700);
    Settle();
    const int W = 1300, H = 700;
    EXPECT_EQ(part(form, "Image15")->x(), W - 122);
    EXPECT_EQ(part(form, "Image16")->x(), W - 81);
    EXPECT_EQ(part(form, "Image17")->x(), W - 40);
    EXPECT_EQ(part(form, "StepPicture2")->x(), W - 262);
    EXPECT_EQ(part(form, "Image18")->x(), W - 410);
    EXPECT_EQ(part(form, "Image2")->geometry().top(), 127);
    EXPECT_EQ(part(form, "Image2")->width(), W);
    EXPECT_EQ(part(form, "BorderRight")->x(), W - 2);
    EXPECT_EQ(part(form, "BorderBottom")->y(), H - 2);
    const QWidget* grip = part(form, "ResizeGrip");
    EXPECT_EQ(grip->geometry().bottomRight(), QPoint(W - 9, H - 9));

    const QRect frame = part(form, "Image3")->geometry();
    const QWidget* bar = part(form, "Image20");
    EXPECT_EQ(frame, QRect(30, 127, W - 60, H - 127 - bar->height() - 8));
    EXPECT_EQ(bar->y(), frame.y() + frame.height());
    EXPECT_EQ(bar->x(), W / 2 - bar->width() / 2);
    EXPECT_EQ(part(form, "Panel10")->geometry(),
              QRect(frame.x(), frame.y(), frame.width(), frame.height() - bar->height()));
    const QRect list = part(form, "ScrollBox2")->geometry();
    EXPECT_EQ(list, QRect(24, 80, frame.width() - 32, frame.height() - bar->height() - 80));
    const QRect exportButton = part(form, "Image60")->geometry();
    EXPECT_EQ(exportButton.x() + exportButton.width(), list.x() + list.width() - 15);
    EXPECT_EQ(part(form, "Image55")->geometry().right() + 1, exportButton.x() - 15);
}

TEST(WindowFrame, FillingTheWorkAreaAndRestoringGivesBackTheExactBounds) {
    ShellRun run;
    TForm1& form = run.form();
    form.show();
    form.setGeometry(37, 21, 1203, 633);
    Settle();
    const QRect before = form.geometry();
    ASSERT_FALSE(form.mask().isEmpty());

    form.Image16Click();
    Settle();
    EXPECT_TRUE(form.FillsWorkArea);
    const QRect work = form.screen()->availableGeometry();
    EXPECT_EQ(form.pos(), work.topLeft());
    EXPECT_TRUE(form.mask().isEmpty()) << "a window filling the work area has square corners";
    for (const char* hidden : {"ResizeGrip", "BorderLeft", "BorderRight", "BorderTop",
                               "BorderBottom", "corner_tl", "corner_br"})
        EXPECT_FALSE(part(form, hidden)->isVisible()) << hidden;
    // It cannot be dragged while it fills the work area.
    Press(part(form, "TitleArea"));
    MouseButton(part(form, "TitleArea"), QEvent::MouseButtonRelease);
    EXPECT_FALSE(form.Timer12.isActive());

    form.Image16Click();
    Settle();
    EXPECT_FALSE(form.FillsWorkArea);
    EXPECT_EQ(form.geometry(), before);
    EXPECT_FALSE(form.mask().isEmpty());
    EXPECT_TRUE(part(form, "ResizeGrip")->isVisible());
    EXPECT_TRUE(part(form, "BorderRight")->isVisible());
}

TEST(WindowFrame, TheGripResizesAndTheTitleAreaMovesTheWindow) {
    ShellRun run;
    TForm1& form = run.form();
    form.show();
    form.setGeometry(40, 30, 1202, 617);
    Settle();

    // The grip follows the pointer on its timer while the button is held; too small snaps back.
    QWidget* grip = part(form, "ResizeGrip");
    const struct {
        QPoint pulled;
        QSize got;
    } pulls[] = {{{60, 40}, {1262, 657}}, {{-300, -200}, {1156, 610}}};
    for (const auto& pull : pulls) {
        const QSize before = form.size();
        QCursor::setPos(grip->mapToGlobal(QPoint(2, 2)));
        Press(grip);
        EXPECT_TRUE(form.Timer1.isActive());
        QCursor::setPos(QCursor::pos() + pull.pulled);
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.size() != before; }, 2000));
        Release(grip);
        Settle();
        EXPECT_EQ(form.size(), pull.got) << "from " << before.width() << "x" << before.height();
    }

    // Without a window manager to move it, the window follows the pointer by its travel.
    QWidget* title = part(form, "TitleArea");
    const QPoint start = form.pos();
    const QPointF at(30, 10);
    MouseButton(title, QEvent::MouseButtonPress, Qt::LeftButton, at);
    QMouseEvent move(QEvent::MouseMove, at + QPointF(25, 15),
                     title->mapToGlobal(at) + QPointF(25, 15), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(title, &move);
    MouseButton(title, QEvent::MouseButtonRelease, Qt::LeftButton, at + QPointF(25, 15));
    Settle();
    EXPECT_EQ(form.pos(), start + QPoint(25, 15));
}

TEST(WindowFrame, TheWindowIsClippedToARoundedRectangle) {
    ShellRun run;
    TForm1& form = run.form();
    form.show();
    Settle();
    const QRegion mask = form.mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_TRUE(mask.contains(QPoint(5, 0)));
    EXPECT_TRUE(mask.contains(QPoint(form.width() / 2, form.height() / 2)));
    EXPECT_FALSE(mask.contains(QPoint(form.width() - 1, form.height() - 1)));
}

TEST(Overlay, HalvesEveryChannel) {
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 0, qRgb(1, 2, 3));
    picture.setPixel(2, 0, qRgb(128, 77, 0));
    const QImage halved = HalveChannels(picture);
    EXPECT_EQ(halved.pixel(0, 0), qRgb(127, 127, 127));
    EXPECT_EQ(halved.pixel(1, 0), qRgb(0, 1, 1));
    EXPECT_EQ(halved.pixel(2, 0), qRgb(64, 38, 0));
}

TEST(Overlay, ShowsTheWindowDimmedAndDoesNothingUnderTheSaveLock) {
    ShellRun run;
    TForm1& form = run.form();
    form.show();
    Settle();
    auto* overlay = form.findChild<QLabel*>(QStringLiteral("Panel7"));
    ASSERT_TRUE(overlay);

    form.SaveLock = true;
    form.ShowOverlay();
    EXPECT_TRUE(overlay->pixmap().isNull());

    form.SaveLock = false;
    const QImage window = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    form.ShowOverlay();
    const QImage backdrop = overlay->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(overlay->geometry(), QRect(0, 0, form.width(), form.height()));
    ASSERT_EQ(backdrop.size(), window.size());
    const QColor header = ShellPalette::Header;
    EXPECT_EQ(backdrop.pixel(300, 10),
              qRgb(header.red() / 2, header.green() / 2, header.blue() / 2));
    EXPECT_EQ(backdrop, HalveChannels(window));
}

TEST(Overlay, BusyShowsTheAnimationAndCaptionCentredOnTheOverlay) {
    ShellRun run;
    TForm1& form = run.form();
    form.show();
    Settle();
    form.ShowBusy(QStringLiteral("Publishing"));
    auto* overlay = form.findChild<QLabel*>(QStringLiteral("Panel7"));
    auto* animation = form.findChild<QLabel*>(QStringLiteral("BusyAnimation"));
    auto* caption = form.findChild<QLabel*>(QStringLiteral("BusyCaption"));
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("Image43"))->isVisible());
    EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("Image45"))->isVisible());
    EXPECT_EQ(caption->text(), QStringLiteral("Publishing"));
    ASSERT_TRUE(animation->movie());
    EXPECT_GT(animation->movie()->frameCount(), 1);
    EXPECT_EQ(animation->x(), form.width() / 2 - animation->width() / 2 - 25);
    EXPECT_EQ(caption->pos(),
              QPoint(animation->x() + animation->width() + 10, animation->y() + 15));

    form.HideOverlay();
    EXPECT_FALSE(overlay->isVisible());
}

TEST(Overlay, TheSaveLockEndsAfterItsTimer) {
    ShellRun run;
    TForm1& form = run.form();
    form.StartSaveLock();
    EXPECT_TRUE(form.SaveLock);
    EXPECT_TRUE(form.Timer2.isActive());
    EXPECT_EQ(form.Timer2.interval(), 4000);
    form.Timer2.start(1); // the same timer, without the four-second wait
    QElapsedTimer clock;
    clock.start();
    while (form.SaveLock && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(form.SaveLock);
    EXPECT_FALSE(form.Timer2.isActive());
}

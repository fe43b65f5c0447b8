// Opens the window on a real X server (Xvfb) and keeps a screenshot of the start screen.
#include "shell_fixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const char* ChildMarker = "TAVO_SCREENSHOT_FILE";

QString screenshotPath() {
    return QStringLiteral(TAVO_BIN_DIR "/../screenshots/start_screen.png");
}

// A blank or single-coloured capture has only a handful of colours.
int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

} // namespace

// Runs only inside Xvfb, started by the test below (hence disabled for the ordinary run):
// shows the window and captures the screen.
TEST(ScreenshotUnderX, DISABLED_CapturesTheStartScreen) {
    const QString target = qEnvironmentVariable(ChildMarker);
    ASSERT_FALSE(target.isEmpty());
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ShellRun run;
    run.form().move(40, 40);
    run.form().show();
    for (int i = 0; i < 50; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    const QRect area = run.form().frameGeometry().adjusted(-8, -8, 8, 8);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(),
                                                                      area.width(), area.height());
    ASSERT_TRUE(shot.save(target));
}

TEST(StartScreenScreenshot, ShowsTheWindowOnARealDisplay) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    ASSERT_FALSE(xvfb.isEmpty()) << "xvfb-run is needed (scripts/install-deps.sh installs it)";
    QDir().mkpath(QFileInfo(screenshotPath()).absolutePath());
    QFile::remove(screenshotPath());

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QLatin1String(ChildMarker), screenshotPath());
    child.setProcessEnvironment(env);
    child.start(
        xvfb,
        {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1360x760x24"),
         QCoreApplication::applicationFilePath(), QStringLiteral("--gtest_also_run_disabled_tests"),
         QStringLiteral("--gtest_filter=ScreenshotUnderX.DISABLED_CapturesTheStartScreen")});
    ASSERT_TRUE(child.waitForFinished(120000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString()
                                   << child.readAllStandardError().toStdString();

    const QImage shot(screenshotPath());
    ASSERT_FALSE(shot.isNull());
    EXPECT_GE(shot.width(), 1202);
    EXPECT_GE(distinctColours(shot), 50) << "the capture looks blank";
}

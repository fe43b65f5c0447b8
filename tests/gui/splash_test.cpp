// The splash: its fade-in and its picture.
#include "shell_fixture.h"

#include "shell/pixel_operations.h"
#include "shell/splash_fade.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Splash, FadesInIn85StepsEndingExactlyAtFullOpacity) {
    const QList<int> steps = SplashOpacitySequence();
    ASSERT_EQ(steps.size(), 85);
    EXPECT_EQ(steps.mid(0, 5), (QList<int>{8, 16, 24, 32, 39}));
    EXPECT_EQ(steps.mid(83), (QList<int>{254, 255}));
    for (qsizetype i = 1; i < steps.size(); ++i)
        EXPECT_GT(steps[i], steps[i - 1]);
    EXPECT_EQ(NextSplashOpacity(254), 255);
    EXPECT_EQ(NextSplashOpacity(255), 255) << "never above full opacity";
}

TEST(Splash, PremultipliesItsPictureByAlpha) {
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(200, 100, 50, 128));
    picture.setPixel(1, 0, qRgba(255, 255, 255, 0));
    const QImage out = PremultiplyAlpha(picture);
    ASSERT_EQ(out.format(), QImage::Format_ARGB32_Premultiplied);
    const QRgb* line = reinterpret_cast<const QRgb*>(out.constScanLine(0));
    EXPECT_EQ(line[0], qRgba(100, 50, 25, 128));
    EXPECT_EQ(line[1], qRgba(0, 0, 0, 0));
    EXPECT_TRUE(PremultiplyAlpha(picture.convertToFormat(QImage::Format_RGB32)).isNull());
}

TEST(Splash, ExecuteShowsTheWholeFadeThenClosesOnAKey) {
    TFormSplash splash;
    const Result shown = splash.Execute(BuiltDataDir());
    ASSERT_TRUE(shown.ok) << shown.message.toStdString();
    EXPECT_EQ(splash.shownOpacities(), SplashOpacitySequence());
    EXPECT_EQ(splash.size(), QImage(BuiltDataDir() + QStringLiteral("splash.png")).size());
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.TimerSplash.isActive());
    EXPECT_EQ(splash.TimerSplash.interval(), 4000);

    QWidget elsewhere;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&elsewhere, &key);
    EXPECT_FALSE(splash.isVisible());
}

TEST(Splash, APictureWithoutAlphaIsRefused) {
    QTemporaryDir data;
    QImage opaque(40, 30, QImage::Format_RGB888);
    opaque.fill(Qt::gray);
    ASSERT_TRUE(opaque.save(data.path() + QStringLiteral("/splash.png")));
    TFormSplash splash;
    const Result shown = splash.Execute(data.path() + QLatin1Char('/'));
    EXPECT_FALSE(shown.ok);
    EXPECT_EQ(shown.message, QStringLiteral("Wrong bitmap format - must be 32 bits/pixel"));
    EXPECT_FALSE(splash.isVisible());
}

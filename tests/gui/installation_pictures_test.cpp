// The pictures installed beside the program: every one the window and its screens load.
#include "support/temp_home.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

QImage picture(const QString& name) {
    return QImage(BuiltDataDir() + name);
}

} // namespace

TEST(InstallationPictures, EveryButtonSetHasItsThreePicturesOfOneSize) {
    for (int n = 1; n <= 25; ++n) {
        const QImage normal = picture(QStringLiteral("%1a.png").arg(n));
        ASSERT_FALSE(normal.isNull()) << n;
        for (const char* state : {"b", "c"}) {
            const QImage other =
                picture(QStringLiteral("%1%2.png").arg(n).arg(QLatin1String(state)));
            ASSERT_FALSE(other.isNull()) << n << state;
            EXPECT_EQ(other.size(), normal.size()) << n << state;
            EXPECT_NE(other, normal) << n << state << " must differ from the normal picture";
        }
    }
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(picture(QStringLiteral("m%1.png").arg(k)).size(),
                  picture(QStringLiteral("%1a.png").arg(10 + k)).size())
            << k;
    EXPECT_EQ(picture(QStringLiteral("24a.png")).size(), QSize(24, 22)); // the toolbar frame
    EXPECT_EQ(picture(QStringLiteral("5a.png")).size(), QSize(73, 20));  // the gallery's Preview
    EXPECT_EQ(picture(QStringLiteral("locked_save.png")).size(),
              picture(QStringLiteral("7a.png")).size());
}

TEST(InstallationPictures, ThePicturesOfTheScreensHaveTheirShapes) {
    const QImage splash = picture(QStringLiteral("splash.png"));
    EXPECT_TRUE(splash.hasAlphaChannel());
    EXPECT_EQ(splash.depth(), 32);
    const QImage row = picture(QStringLiteral("pmbg.png"));
    EXPECT_EQ(row.height(), 51);
    EXPECT_NEAR(row.width(), 736, 20);
    for (const char* name : {"home.png", "page.png", "ddelete.png"})
        EXPECT_FALSE(picture(QLatin1String(name)).isNull()) << name;
    for (int i = 1; i <= 5; ++i) {
        const QImage overlay = picture(QStringLiteral("i%1.png").arg(i));
        ASSERT_FALSE(overlay.isNull()) << i;
        EXPECT_TRUE(overlay.hasAlphaChannel()) << i;
    }
    EXPECT_GE(picture(QStringLiteral("i4.png")).width(), 1000);
    EXPECT_GE(picture(QStringLiteral("i1.png")).height(),
              picture(QStringLiteral("i4.png")).height());
    EXPECT_GE(picture(QStringLiteral("i2.png")).width(), 1000);
    EXPECT_TRUE(QFile::exists(BuiltDataDir() + QStringLiteral("_pblank.html")));
}

TEST(InstallationPictures, TheBusyAnimationsAreAnimatedWithTransparency) {
    for (const char* name : {"large_loading.gif", "loading_red.gif"}) {
        QImageReader reader(BuiltDataDir() + QLatin1String(name));
        ASSERT_TRUE(reader.canRead()) << name << ": " << reader.errorString().toStdString();
        EXPECT_TRUE(reader.supportsAnimation()) << name;
        EXPECT_GT(reader.imageCount(), 1) << name;
        EXPECT_EQ(reader.loopCount(), -1) << name << " loops for ever";
        QImage first;
        ASSERT_TRUE(reader.read(&first)) << name;
        EXPECT_TRUE(first.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0) << name << ": corners are transparent";
        QImage second;
        ASSERT_TRUE(reader.read(&second)) << name;
        EXPECT_NE(first, second) << name << ": the frames move";
    }
}

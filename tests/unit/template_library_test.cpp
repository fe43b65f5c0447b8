#include "generator/template_library.h"
#include "support/fixture_template.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(TemplateLibrary, GalleryIndicesFollowTheInstalledFolders) {
    FixtureSite site;
    EXPECT_TRUE(TemplateFolderNumbers(site.folders()).isEmpty());
    SiteState state;
    EXPECT_TRUE(SelectedTemplateFolder(state, site.folders()).isEmpty());
    QString folder;
    EXPECT_FALSE(FindSelectedTemplateFolder(state, site.folders(), &folder));

    for (const int n : {1, 2, 4})
        site.addTemplate(n);
    WriteFile(TemplateFolder(site.folders(), 3) + QStringLiteral("readme.txt"),
              QStringLiteral("no index"));
    EXPECT_EQ(TemplateFolderNumbers(site.folders()), (QList<int>{1, 2, 4}));
    state.SelectedTemplateIndex = 2;
    EXPECT_EQ(SelectedTemplateFolder(state, site.folders()), TemplateFolder(site.folders(), 4));
    state.SelectedTemplateIndex = 3;
    EXPECT_TRUE(SelectedTemplateFolder(state, site.folders()).isEmpty());
}

TEST(TemplateLibrary, EntriesFillThreeColumns) {
    const QSize shot(200, 150);
    const GalleryEntry first = MakeGalleryEntry(1, 0, shot);
    const GalleryEntry third = MakeGalleryEntry(3, 2, shot);
    const GalleryEntry fourth = MakeGalleryEntry(5, 3, shot);
    EXPECT_EQ(first.ThumbLeft, 20);
    EXPECT_EQ(first.ThumbTop, 20);
    EXPECT_EQ(third.ThumbLeft, 2 * 275 + 20);
    EXPECT_EQ(fourth.ThumbLeft, 20);
    EXPECT_EQ(fourth.ThumbTop, 225 + 20);
    EXPECT_EQ(fourth.FolderNumber, 5);
}

TEST(TemplateLibrary, ReflectionIsFlippedAndFadedInIntegerSteps) {
    QImage shot(3, 60, QImage::Format_RGB888);
    shot.fill(Qt::black);
    shot.setPixelColor(0, 59, QColor(200, 100, 10)); // bottom row becomes reflection row 0
    const QImage r = MakeThumbnailReflection(shot);
    ASSERT_EQ(r.size(), shot.size());
    EXPECT_EQ(r.pixelColor(1, 0), QColor(127, 127, 127));
    // (200 + 255) / 2, (100 + 255) / 2, (10 + 255) / 2
    EXPECT_EQ(r.pixelColor(0, 0), QColor(227, 177, 132));
    // Row 25 of black: v = 0 + 255 * 25 / 50 = 127, stored (127 + 255) / 2 = 191.
    EXPECT_EQ(r.pixelColor(1, 25), QColor(191, 191, 191));
    EXPECT_EQ(r.pixelColor(2, 50), QColor(255, 255, 255));
    EXPECT_EQ(r.pixelColor(2, 51), QColor(0, 0, 0));

    QImage shortShot(2, 10, QImage::Format_RGB888);
    shortShot.fill(Qt::black);
    EXPECT_EQ(MakeThumbnailReflection(shortShot).pixelColor(0, 9).red(),
              (0 * 41 / 50 + 255 * 9 / 50 + 255) / 2);
}

TEST(TemplateLibrary, GalleryBuildStopsAtAScreenshotThatCannotBeLoaded) {
    FixtureSite site;
    for (const int n : {1, 2, 3})
        site.addTemplate(n);
    QImage shot(80, 60, QImage::Format_RGB888);
    shot.fill(Qt::white);
    shot.save(TemplateFolder(site.folders(), 1) + QStringLiteral("ss.png"));
    WriteFile(TemplateFolder(site.folders(), 2) + QStringLiteral("ss.png"),
              QStringLiteral("not a png"));
    shot.save(TemplateFolder(site.folders(), 3) + QStringLiteral("ss.png"));
    const auto items = BuildGalleryItems(site.folders());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].entry.FolderNumber, 1);
    EXPECT_EQ(items[0].reflection.size(), QSize(80, 60));
}

} // namespace

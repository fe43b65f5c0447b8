#include "generator/ui/template_gallery.h"
#include "support/fixture_template.h"
#include "support/temp_home.h"

#include <QCursor>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void SendEnter(QWidget* w) {
    QEnterEvent enter(QPointF(1, 1), w->mapTo(w->window(), QPointF(1, 1)),
                      w->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(w, &enter);
}

void SendLeave(QWidget* w) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
}

// A gallery screen of a given size with the gallery built on it.
struct GalleryScreen {
    GalleryScreen(SiteState& state, const Folders& folders, QSize size = {1100, 500}) {
        screen.resize(size);
        gallery = new TemplateGallery(&screen, state, folders);
        gallery->BuildTemplateGallery();
        screen.show();
    }
    template <typename T = QWidget> T* child(const QString& name) const {
        return screen.findChild<T*>(name);
    }
    QWidget screen;
    TemplateGallery* gallery = nullptr;
};

class FixtureGalleryTest : public ::testing::Test {
protected:
    // Templates in folders 1, 2, 4 and 5 (3 is missing, 6 has no "index.html"), with
    // 120 x 80 screenshots.
    void SetUp() override {
        for (int n : {1, 2, 4, 5}) {
            site.addTemplate(n);
            QImage shot(120, 80, QImage::Format_RGB888);
            shot.fill(QColor(10 * n, 0, 0));
            ASSERT_TRUE(shot.save(TemplateFolder(site.folders(), n) + "ss.png"));
        }
        QDir().mkpath(TemplateFolder(site.folders(), 6));
    }
    FixtureSite site;
    SiteState state;
};

TEST_F(FixtureGalleryTest, LaysOutThreeColumnsOfThumbnailsFramesAndReflections) {
    GalleryScreen g(state, site.folders());
    const auto& entries = g.gallery->entries();
    ASSERT_EQ(entries.size(), 4u);
    const int folderNumbers[] = {1, 2, 4, 5};
    // Column pitch 120 + 75, row pitch 80 + 75; the fourth entry starts the second row.
    const QPoint thumbs[] = {{20, 20}, {215, 20}, {410, 20}, {20, 175}};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(entries[size_t(k)].FolderNumber, folderNumbers[k]);
        EXPECT_EQ(QPoint(entries[size_t(k)].ThumbLeft, entries[size_t(k)].ThumbTop), thumbs[k]);
        auto* thumb = g.child<QLabel>(QStringLiteral("_%1").arg(k));
        auto* frame = g.child(QStringLiteral("_%1_2").arg(k));
        auto* reflection = g.child<QLabel>(QStringLiteral("_r%1").arg(k));
        ASSERT_TRUE(thumb && frame && reflection);
        EXPECT_EQ(thumb->geometry(), QRect(thumbs[k], QSize(115, 75)));
        EXPECT_EQ(frame->geometry(), QRect(thumbs[k] - QPoint(1, 1), QSize(117, 77)));
        EXPECT_EQ(frame->property("folderNumber").toInt(), folderNumbers[k]);
        EXPECT_EQ(reflection->geometry(), QRect(thumbs[k] + QPoint(0, 76), QSize(115, 50)));
        // The reflection's first row is half-way to white, its row 50 white.
        const QImage picture = reflection->pixmap().toImage();
        EXPECT_EQ(picture.pixelColor(0, 0), QColor((10 * folderNumbers[k] + 255) / 2, 127, 127));
        EXPECT_EQ(picture.pixelColor(0, 50), QColor(255, 255, 255));
    }
    EXPECT_FALSE(g.child(QStringLiteral("_4")));
    EXPECT_EQ(g.gallery->scrollArea()->geometry(), QRect(8, 72, 1084, 428));
}

TEST_F(FixtureGalleryTest, HoverTickAndPreviewFollowThePointerAndClicksSelect) {
    GalleryScreen g(state, site.folders());
    auto* hoverTick = g.child(QStringLiteral("HoverTick"));
    auto* preview = g.child(QStringLiteral("Image29"));
    auto* selectionTick = g.child(QStringLiteral("SelectionTick"));
    ASSERT_TRUE(hoverTick && preview && selectionTick);
    // The stored choice (0) carries the selection tick from the start.
    EXPECT_TRUE(selectionTick->isVisible());
    EXPECT_EQ(selectionTick->pos(), QPoint(20 + 256, 20 - 10));
    EXPECT_FALSE(hoverTick->isVisible());

    SendEnter(g.child(QStringLiteral("_r1")));
    EXPECT_TRUE(hoverTick->isVisible());
    EXPECT_EQ(hoverTick->pos(), QPoint(215 + 256, 10));
    EXPECT_EQ(preview->pos(), QPoint(215 + 256 - 10, 10 + 60));
    EXPECT_EQ(g.gallery->HoveredGalleryEntry(), 1);

    // From the thumbnail onto the tick: the tick stays, and its click selects entry 1.
    SendLeave(g.child(QStringLiteral("_r1")));
    EXPECT_FALSE(hoverTick->isVisible());
    SendEnter(hoverTick);
    EXPECT_TRUE(hoverTick->isVisible() && preview->isVisible());
    const int siteTemplate = state.SelectedTemplateIndex;
    QTest::mouseClick(hoverTick, Qt::LeftButton);
    EXPECT_EQ(g.gallery->ChosenGalleryEntry(), 1);
    // Only Next or Save gives the site the design it shows.
    EXPECT_EQ(state.SelectedTemplateIndex, siteTemplate);
    EXPECT_EQ(selectionTick->pos(), hoverTick->pos());

    QSignalSpy previews(g.gallery, &TemplateGallery::previewRequested);
    QTest::mouseClick(preview, Qt::LeftButton);
    ASSERT_EQ(previews.count(), 1);
    EXPECT_EQ(previews.at(0).at(0).toString(),
              TemplateFolder(site.folders(), 2) + "template_preview.html");

    // The third entry is folder 4; the service counts it as template 3.
    QTest::mouseClick(g.child(QStringLiteral("_2")), Qt::LeftButton);
    EXPECT_EQ(g.gallery->ChosenGalleryEntry(), 2);
    state.SelectedTemplateIndex = g.gallery->ChosenGalleryEntry();
    EXPECT_EQ(SelectedTemplateFolder(state, site.folders()), TemplateFolder(site.folders(), 4));
    EXPECT_EQ(selectionTick->pos(), QPoint(410 + 256, 10));
}

TEST_F(FixtureGalleryTest, TicksStayOnTheirThumbnailWhenTheGalleryScrolls) {
    state.SelectedTemplateIndex = 3; // restored from the settings before the gallery is built
    GalleryScreen g(state, site.folders(), {1100, 250});
    auto* selectionTick = g.child(QStringLiteral("SelectionTick"));
    QScrollBar* bar = g.gallery->scrollArea()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 40);
    bar->setValue(40);
    const QPoint onViewport =
        selectionTick->mapTo(g.gallery->scrollArea()->viewport(), QPoint(0, 0));
    EXPECT_EQ(onViewport, QPoint(20 + 256, 175 - 40 - 10));
}

TEST(GalleryLibraryTest, NoTemplatesGiveAnEmptyGalleryWithoutTick) {
    FixtureSite site;
    SiteState state;
    GalleryScreen g(state, site.folders());
    EXPECT_TRUE(g.gallery->entries().empty());
    EXPECT_FALSE(g.child(QStringLiteral("SelectionTick"))->isVisible());
}

TEST(GalleryLibraryTest, BuildsOneEntryPerBundledTemplate) {
    TempHome home;
    SiteState state;
    GalleryScreen g(state, home.folders());
    const QStringList bundled = QDir(QStringLiteral(TAVO_SOURCE_DIR "/data/templates"))
                                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(bundled.isEmpty());
    EXPECT_EQ(g.gallery->entries().size(), size_t(bundled.size()));
    for (size_t k = 0; k < g.gallery->entries().size(); ++k) {
        const GalleryEntry& e = g.gallery->entries()[k];
        const QImage shot(TemplateFolder(home.folders(), e.FolderNumber) + "ss.png");
        auto* thumb = g.child<QLabel>(QStringLiteral("_%1").arg(k));
        ASSERT_TRUE(thumb);
        EXPECT_EQ(thumb->pixmap().size(), shot.size());
        EXPECT_EQ(thumb->pos(), QPoint(e.ThumbLeft, e.ThumbTop));
    }
}

TEST(GalleryLibraryTest, ThePreviewButtonShownUnderARestingPointerKeepsTheHover) {
    TempHome home;
    SiteState state;
    GalleryScreen g(state, home.folders());
    auto* thumb = g.child(QStringLiteral("_0"));
    auto* tick = g.child(QStringLiteral("HoverTick"));
    auto* preview = g.child(QStringLiteral("Image29"));
    ASSERT_TRUE(thumb && tick && preview);
    // A point of the thumbnail that the Preview button covers once it is shown.
    const QPoint shared = QPoint(256 - 10 + 4, -10 + 50 + 10 + 4);
    ASSERT_TRUE(thumb->rect().contains(shared));
    QCursor::setPos(thumb->mapToGlobal(shared));
    SendEnter(thumb);
    SendLeave(thumb); // the button took the pointer from the thumbnail
    EXPECT_TRUE(tick->isVisible() && preview->isVisible());
    QCursor::setPos(g.screen.mapToGlobal(QPoint(g.screen.width() - 2, 2)));
    SendLeave(preview);
    EXPECT_FALSE(tick->isVisible() || preview->isVisible());
}

} // namespace

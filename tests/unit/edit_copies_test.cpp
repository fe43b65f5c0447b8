#include "generator/edit_copies.h"
#include "site/text_file.h"
#include "support/fixture_template.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct EditFixture : ::testing::Test {
    FixtureSite site;
    SiteState state;
    void SetUp() override {
        site.addTemplate(1);
        site.makeSite(state, {"index", "about-us"}, {"Home", "About Us"});
    }
    QString file(const QString& name) const { return ReadFile(site.folders().WorkDir() + name); }
};

TEST_F(EditFixture, OpeningMakesAnInertCopyAndSavingMakesItRealAgain) {
    WriteFile(PageFilePath(site.folders(), QStringLiteral("about-us")),
              QStringLiteral("<A HREF=\"x.html\">x</A><a href=\"#top\">t</a>"));
    state.PageModified = true;
    ASSERT_TRUE(LoadPageForEditing(state, site.folders(), QStringLiteral("about-us")));
    EXPECT_FALSE(state.PageModified);
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("about-us"));
    EXPECT_EQ(state.SelectedPageIndex, 1);
    EXPECT_EQ(file(QStringLiteral("editpage_.html")),
              QStringLiteral("<A href=\"#x.html\">x</A><a href=\"##top\">t</a>\r\n\r\n"));

    state.PageModified = true;
    ASSERT_TRUE(SavePage(state, site.folders()));
    EXPECT_FALSE(state.PageModified);
    EXPECT_TRUE(
        file(QStringLiteral("about-us.html"))
            .startsWith(QStringLiteral("<A href=\"x.html\">x</A><a href=\"#top\">t</a>\r\n")));
}

TEST_F(EditFixture, AMissingPageOrPageFileIsReportedAndNothingChanges) {
    ASSERT_TRUE(LoadPageForEditing(state, site.folders(), QStringLiteral("index")));
    const QString copy = file(QStringLiteral("editpage_.html"));
    state.PageModified = true;

    QFile::remove(PageFilePath(site.folders(), QStringLiteral("about-us")));
    const Result missingFile =
        LoadPageForEditing(state, site.folders(), QStringLiteral("about-us"));
    EXPECT_FALSE(missingFile);
    EXPECT_TRUE(missingFile.message.contains(QStringLiteral("about-us.html")));
    const Result notAPage = LoadPageForEditing(state, site.folders(), QStringLiteral("nope"));
    EXPECT_FALSE(notAPage);

    EXPECT_EQ(file(QStringLiteral("editpage_.html")), copy);
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("index"));
    EXPECT_TRUE(state.PageModified);
    EXPECT_TRUE(LoadPageForEditing(state, site.folders(), QString()));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("index"));
}

TEST_F(EditFixture, SavingWithoutAnEditingCopyDoesNotEmptyThePage) {
    ASSERT_TRUE(LoadPageForEditing(state, site.folders(), QStringLiteral("index")));
    const QString page = file(QStringLiteral("index.html"));
    QFile::remove(EditingCopyPath(site.folders()));
    EXPECT_FALSE(SavePage(state, site.folders()));
    EXPECT_EQ(file(QStringLiteral("index.html")), page);
}

TEST_F(EditFixture, PreviewCopiesPagesWithLocalLinksAndPicturesUpToTheFirstGap) {
    WriteFile(PageFilePath(site.folders(), QStringLiteral("index")),
              QStringLiteral("<a href=\"./\">h</a><a href='about-us.php'>a</a>"));
    for (const char* n : {"1", "2", "4"})
        WriteFile(site.folders().WorkDir() + QStringLiteral("tavo_img%1.jpg").arg(QLatin1String(n)),
                  QStringLiteral("jpg"));
    ASSERT_TRUE(LoadPageForEditing(state, site.folders(), QStringLiteral("about-us")));
    QString previewed;
    ASSERT_TRUE(PreviewSite(state, site.folders(), &previewed));
    EXPECT_EQ(previewed, PreviewFilePath(site.folders(), QStringLiteral("about-us")));
    EXPECT_EQ(ReadFile(PreviewFilePath(site.folders(), QStringLiteral("index"))),
              QStringLiteral("<a href=\"index.html\">h</a><a href='about-us.html'>a</a>\r\n\r\n"));
    EXPECT_TRUE(file(QStringLiteral("index.html")).contains(QStringLiteral("href=\"./\"")));
    const QString preview = site.folders().PreviewDir();
    EXPECT_TRUE(QFile::exists(preview + QStringLiteral("tavo_img1.jpg")));
    EXPECT_TRUE(QFile::exists(preview + QStringLiteral("tavo_img2.jpg")));
    EXPECT_FALSE(QFile::exists(preview + QStringLiteral("tavo_img4.jpg")));
}

} // namespace

#include "generator/apply_template.h"
#include "generator/edit_copies.h"
#include "generator/new_site.h"
#include "generator/new_site_name.h"
#include "generator/page_head.h"
#include "generator/regions.h"
#include "generator/template_library.h"
#include "site/name_cleaning.h"
#include "site/settings_store.h"
#include "site/text_file.h"
#include "support/fixture_template.h"
#include "support/menu_reader.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* typed;
    const char* message; // nullptr: accepted
    const char* unixName;
};

const NameCase NameCases[] = {
    {"   ", "Please Enter Your Site's Name.", nullptr},
    {" a ", "The Name You Entered Is Too Short.", nullptr},
    {"12", "The Name You Entered Has No Letters.", nullptr},
    {"\xc3\xa9"
     "1",
     "The Name You Entered Has No Letters.", nullptr},
    {" ab ", nullptr, "-ab-"},
    {"a!", nullptr, "a"},
    {"ab!", nullptr, "ab"},
    {"my_site!", nullptr, "mysite"},
    {"Joe's Caf\xc3\xa9", nullptr, "Joes-Caf\xc3\xa9"},
};

TEST(NewSiteName, ChecksAndShortName) {
    for (const NameCase& c : NameCases) {
        SCOPED_TRACE(c.typed);
        const QString typed = QString::fromUtf8(c.typed);
        const Result check = CheckNewSiteName(typed);
        EXPECT_EQ(check.ok, c.message == nullptr);
        if (c.message) {
            EXPECT_EQ(check.message, QString::fromUtf8(c.message));
        }
        if (c.unixName) {
            TAccount account;
            account.Email = QStringLiteral("old@example.com");
            account.HostingPackage = QStringLiteral("gold");
            ResetAccountForNewSite(account, typed);
            EXPECT_EQ(account.UnixName, QString::fromUtf8(c.unixName));
            EXPECT_TRUE(account.Email.isEmpty());
            EXPECT_EQ(account.FtpPort, 25);
            EXPECT_TRUE(account.TavoSiteStatus);
            EXPECT_EQ(account.HostingPackage, QStringLiteral("gold"));
        }
    }
    EXPECT_EQ(CleanPageFileName(QStringLiteral(" My Page!. ")), QStringLiteral("My-Page"));
}

TEST(NewSiteName, ShortCreationsWaitAFullTwoSeconds) {
    EXPECT_EQ(NewSiteExtraWaitMs(300), 2000);
    EXPECT_EQ(NewSiteExtraWaitMs(1999), 2000);
    EXPECT_EQ(NewSiteExtraWaitMs(2000), 0);
}

struct NewSite : ::testing::Test {
    FixtureSite site;
    SiteState state;
    QString work() const { return site.folders().WorkDir(); }
    QString page(const QString& name) const {
        return LoadTextFile(work() + name + QStringLiteral(".html"));
    }
};

TEST_F(NewSite, FreshWorkingFolderGetsFourDefaultPages) {
    FixtureTemplateOptions options;
    options.withPictureGallerySample = true;
    site.addTemplate(1, options);
    QFile::remove(TemplateFolder(site.folders(), 1) + QStringLiteral("picture-gallery.html"));
    WriteFile(site.folders().appDataDir + QStringLiteral("img.jpg"), QStringLiteral("jpeg"));
    QDir(work()).removeRecursively();
    // Records left in the slots by an earlier site must not leak into the new one.
    state.Pages[2].IsHomePage = true;
    state.Pages[1].Description = QStringLiteral("old site");

    ASSERT_TRUE(CreateSiteRun(state, site.folders()));
    EXPECT_EQ(state.PageSelector,
              (QStringList{"index", "about-us", "picture-gallery", "contact-us"}));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("index"));
    EXPECT_EQ(state.LastPageIndex, 3);
    const QStringList labels = {"Home", "About Us", "Picture Gallery", "Contact Us"};
    for (int i = 0; i < 4; ++i) {
        const TSitePage& p = state.Pages[i];
        EXPECT_EQ(p.Label_, labels[i]);
        EXPECT_EQ(p.WindowTitle, QStringLiteral("Window Title"));
        EXPECT_EQ(p.IsHomePage, i == 0);
        EXPECT_TRUE(p.ShowInMenu && p.Changed);
        EXPECT_TRUE(p.Description.isEmpty());
        const TPageHead head = ReadPageHead(page(p.FileName));
        EXPECT_EQ(head.WindowTitle, QStringLiteral("Window Title"));
        EXPECT_EQ(head.Description, QStringLiteral("template description"));
        EXPECT_TRUE(QFile::exists(PreviewFilePath(site.folders(), p.FileName)));
    }
    EXPECT_TRUE(GetRegionHtml(page(QStringLiteral("about-us")), 1)
                    .contains(QStringLiteral("about region")));
    // The template has no picture-gallery sample: that page starts from its index.html.
    EXPECT_TRUE(GetRegionHtml(page(QStringLiteral("picture-gallery")), 1)
                    .contains(QStringLiteral("index region")));
    EXPECT_TRUE(QFile::exists(work() + QStringLiteral("img.jpg")));
    EXPECT_TRUE(QFile::exists(work() + QStringLiteral("preview/img.jpg")));
    EXPECT_TRUE(QFile::exists(work() + QStringLiteral("bin/style.css")));
    EXPECT_TRUE(QFile::exists(work() + QStringLiteral("preview/bin/style.css")));

    SiteState stored;
    state.Account.UnixName = QStringLiteral("shop");
    ASSERT_TRUE(SaveAccount(state, site.folders()));
    LoadSite(stored, site.folders());
    EXPECT_EQ(stored.PageSelector, state.PageSelector);
    EXPECT_EQ(stored.Pages[3], state.Pages[3]);
}

TEST_F(NewSite, AFailureLeavesTheSiteAsItWas) {
    SiteState before = state;
    const Result noTemplate = CreateSiteRun(state, site.folders());
    EXPECT_FALSE(noTemplate);
    EXPECT_TRUE(
        noTemplate.message.startsWith(QStringLiteral("The new site could not be created.")));
    EXPECT_FALSE(QFile::exists(site.folders().settingsFile));

    site.addTemplate(1);
    site.makeSite(state, {"index", "about-us"}, {"Start", "About"});
    WriteFile(work() + QStringLiteral("index.html"), QStringLiteral("my own words"));
    QDir().mkpath(work() + QStringLiteral("contact-us.html")); // cannot be written as a file
    QDir().mkpath(work() + QStringLiteral("bin"));
    WriteFile(work() + QStringLiteral("bin/style.css"), QStringLiteral("the open site's look"));
    WriteFile(work() + QStringLiteral("img.jpg"), QStringLiteral("the open site's picture"));
    before = state;
    EXPECT_FALSE(CreateSiteRun(state, site.folders()));
    EXPECT_EQ(state.PageSelector, before.PageSelector);
    EXPECT_EQ(state.Pages[0], before.Pages[0]);
    EXPECT_EQ(ReadFile(work() + QStringLiteral("index.html")), QStringLiteral("my own words"));
    EXPECT_FALSE(QFile::exists(work() + QStringLiteral("picture-gallery.html")));
    EXPECT_FALSE(QFile::exists(site.folders().settingsFile));
    EXPECT_EQ(ReadFile(work() + QStringLiteral("bin/style.css")),
              QStringLiteral("the open site's look"));
    EXPECT_EQ(ReadFile(work() + QStringLiteral("img.jpg")),
              QStringLiteral("the open site's picture"));
}

TEST_F(NewSite, ApplyingAnotherTemplateKeepsRegionsHeadsAndHiddenPages) {
    site.addTemplate(1);
    FixtureTemplateOptions second;
    second.mainStyle = 4;
    second.secondMenuStyle = QStringLiteral("2b");
    site.addTemplate(2, second);
    const QStringList files = {"index",      "about-us", "picture-gallery",
                               "contact-us", "team",     "shop"};
    const QStringList labels = {"Home",       "About Us", "Picture Gallery",
                                "Contact Us", "Team",     "Shop"};
    site.makeSite(state, files, labels);
    for (int i = 0; i < files.size(); ++i) {
        TSitePage& p = state.Pages[i];
        p.WindowTitle = QStringLiteral("Title %1").arg(i);
        p.Keywords = QStringLiteral("kw %1").arg(i);
        const QString path = PageFilePath(site.folders(), p.FileName);
        SaveTextFile(
            SetRegionHtml(LoadTextFile(path), 2, QStringLiteral("words of %1").arg(p.FileName)),
            path);
    }
    // A page without region 3 keeps its own text; only its head follows the record.
    const QString shopPath = PageFilePath(site.folders(), QStringLiteral("shop"));
    SaveTextFile(
        LoadTextFile(shopPath).replace(QStringLiteral("tavodiv3"), QStringLiteral("other3")),
        shopPath);
    state.Pages[4].ShowInMenu = false;
    state.Account.UnixName = QStringLiteral("shop");
    ASSERT_TRUE(SaveAccount(state, site.folders()));

    ASSERT_TRUE(SelectGalleryEntry(state, site.folders(), 1));
    EXPECT_FALSE(SelectGalleryEntry(state, site.folders(), 2));
    ASSERT_TRUE(ApplyTemplate(state, site.folders()));

    const QString newIndex =
        LoadTextFile(TemplateFolder(site.folders(), 2) + QStringLiteral("index.html"));
    for (int i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].toStdString());
        const QString text = page(files[i]);
        const TPageHead head = ReadPageHead(text);
        EXPECT_EQ(head.WindowTitle, QStringLiteral("Title %1").arg(i));
        EXPECT_EQ(head.Keywords, QStringLiteral("kw %1").arg(i));
        EXPECT_EQ(head.Description, QString());
        EXPECT_EQ(GetRegionHtml(text, 2), QStringLiteral("words of %1").arg(files[i]));
        EXPECT_TRUE(state.Pages[i].Changed);
        if (files[i] == QLatin1String("shop")) {
            EXPECT_TRUE(text.contains(QStringLiteral("other3")));
            EXPECT_TRUE(text.contains(QStringLiteral("<!-- dtype1 -->")));
            continue;
        }
        EXPECT_TRUE(text.contains(QStringLiteral("<!-- dtype4 -->")));
        const QList<MenuLink> menu = ReadMainMenu(text, newIndex);
        ASSERT_EQ(menu.size(), files.size());
        for (int r = 0; r < files.size(); ++r)
            EXPECT_EQ(menu[r].label, r == 4 ? QString() : labels[r]) << r;
        EXPECT_TRUE(text.contains(QStringLiteral("<a href=\"team.html\">Team</a>"))); // second menu
    }
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("index"));
    EXPECT_TRUE(
        ReadFile(EditingCopyPath(site.folders())).contains(QStringLiteral("<!-- Team -->")));
    SiteState stored;
    LoadAccount(stored, site.folders());
    LoadSite(stored, site.folders());
    EXPECT_EQ(stored.SelectedTemplateIndex, 1);
    EXPECT_TRUE(stored.Pages[5].Changed);
}

} // namespace

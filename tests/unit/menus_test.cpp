#include "generator/edit_copies.h"
#include "generator/menu_item_visibility.h"
#include "generator/menus.h"
#include "generator/template_library.h"
#include "site/text_file.h"
#include "support/fixture_template.h"
#include "support/menu_reader.h"

#include <gtest/gtest.h>

namespace {

const QStringList Files = {"index", "about-us", "team", "picture-gallery", "contact-us"};
const QStringList Labels = {"Home", "About Us", "Our Team", "Gallery", "Contact Us"};

QString pageText(const FixtureSite& site, const QString& file) {
    return LoadTextFile(PageFilePath(site.folders(), file));
}

QString templateIndex(const FixtureSite& site, const SiteState& state) {
    return LoadTextFile(SelectedTemplateFolder(state, site.folders()) +
                        QStringLiteral("index.html"));
}

class MainMenuStyles : public ::testing::TestWithParam<int> {};

TEST_P(MainMenuStyles, EveryPageListsEveryPageInOrderWithItsOwnItemCurrent) {
    FixtureSite site;
    FixtureTemplateOptions options;
    options.mainStyle = GetParam();
    site.addTemplate(1, options);
    SiteState state;
    site.makeSite(state, Files, Labels);

    MenuRunStats stats;
    ASSERT_TRUE(RegenerateMenus(state, site.folders(), &stats));
    EXPECT_EQ(stats.modelFilesRead, 3);
    EXPECT_EQ(stats.pageFilesWritten, Files.size());

    for (qsizetype p = 0; p < Files.size(); ++p) {
        SCOPED_TRACE(Files[p].toStdString());
        const QList<MenuLink> menu =
            ReadMainMenu(pageText(site, Files[p]), templateIndex(site, state));
        ASSERT_EQ(menu.size(), Files.size());
        for (qsizetype r = 0; r < Files.size(); ++r) {
            EXPECT_EQ(menu[r].target, Files[r] + QStringLiteral(".html"));
            EXPECT_EQ(menu[r].label, Labels[r]);
            EXPECT_EQ(menu[r].markup.contains(QStringLiteral("current")), r == p) << r;
        }
        EXPECT_TRUE(state.Pages[p].Changed);
    }

    // Regenerating again gives the same menus: old items are removed, not duplicated.
    const QString before = pageText(site, QStringLiteral("team"));
    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    EXPECT_EQ(ReadMainMenu(pageText(site, QStringLiteral("team")), templateIndex(site, state)),
              ReadMainMenu(before, templateIndex(site, state)));
}

INSTANTIATE_TEST_SUITE_P(Styles, MainMenuStyles, ::testing::Values(1, 2, 3, 4));

TEST(Menus, StyleOneItemsAreCopiedFromTheLowerCasedSample) {
    FixtureSite site;
    site.addTemplate(1);
    SiteState state;
    site.makeSite(state, {"index", "about-us", "picture-gallery", "contact-us"},
                  {"Home", "About Us", "Gallery", "Contact Us"});
    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    EXPECT_TRUE(pageText(site, QStringLiteral("index"))
                    .contains(QStringLiteral(
                        "<ul id=\"sys_navigation\">\r\n"
                        "\r\n<li class=\"current\"><a href=\"index.html\">Home</a></li>\r\n"
                        "\r\n<li><a href=\"about-us.html\">About Us</a></li>\r\n"
                        "\r\n<li><a href=\"picture-gallery.html\">Gallery</a></li>\r\n"
                        "\r\n<li><a href=\"contact-us.html\">Contact Us</a></li>\r\n"
                        "</ul>")));
}

TEST(Menus, SmallSitesAndMissingSamples) {
    FixtureSite site;
    FixtureTemplateOptions options;
    options.withPictureGallerySample = false;
    site.addTemplate(1, options);
    SiteState state;
    site.makeSite(state, Files, Labels);
    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    const QString index = templateIndex(site, state);
    // Pages that would take the missing picture-gallery sample get no item.
    EXPECT_EQ(ReadMainMenu(pageText(site, QStringLiteral("index")), index).size(), 2);
    const QList<MenuLink> team = ReadMainMenu(pageText(site, QStringLiteral("team")), index);
    ASSERT_EQ(team.size(), 3);
    EXPECT_EQ(team[1].label, QStringLiteral("Our Team"));

    // One page: its only item is the home item; two pages: the second gets the contact forms.
    site.makeSite(state, {"index"}, {"Home"});
    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    EXPECT_EQ(ReadMainMenu(pageText(site, QStringLiteral("index")), index),
              (QList<MenuLink>{{"index.html", "Home", {}}}));
}

struct SecondMenuCase {
    const char* style;
    const char* items;
};

const SecondMenuCase SecondMenuCases[] = {
    {"1b",
     "\r\n<li><a href=\"index.html\">Home</a></li>\r\n<li><span class=\"nav_sep\">|</span></li>"
     "\r\n<li><a href=\"team.html\">Team</a></li>\r\n<li><span class=\"nav_sep\">|</span></li>"
     "\r\n<li><a href=\"contact-us.html\">Contact Us</a></li>\r\n"},
    {"2b", "\r\n<a href=\"index.html\">Home</a>\r\n | \r\n<a href=\"team.html\">Team</a>\r\n | "
           "\r\n<a href=\"contact-us.html\">Contact Us</a>\r\n"},
    {"2", "\r\n<a href=\"index.html\">Home</a>\r\n\r\n<a href=\"team.html\">Team</a>\r\n"
          "\r\n<a href=\"contact-us.html\">Contact Us</a>\r\n"},
};

TEST(Menus, SecondMenuSeparatorsGoBetweenItems) {
    for (const SecondMenuCase& c : SecondMenuCases) {
        SCOPED_TRACE(c.style);
        FixtureSite site;
        FixtureTemplateOptions options;
        options.secondMenuStyle = QLatin1String(c.style);
        site.addTemplate(1, options);
        SiteState state;
        site.makeSite(state, {"index", "team", "contact-us"}, {"Home", "Team", "Contact Us"});
        ASSERT_TRUE(RegenerateMenus(state, site.folders()));
        const QString page = pageText(site, QStringLiteral("index"));
        const QString open = options.secondMenuStyle.startsWith(QLatin1Char('1'))
                                 ? QStringLiteral("<ul class=\"footer\">\r\n")
                                 : QStringLiteral("<div class=\"footer\">\r\n");
        const QString close = options.secondMenuStyle.startsWith(QLatin1Char('1'))
                                  ? QStringLiteral("</ul>")
                                  : QStringLiteral("</div>");
        EXPECT_TRUE(page.contains(open + QString::fromUtf8(c.items) + close)) << page.toStdString();
    }
}

TEST(Menus, HidingTurnsTheLabelIntoACommentAndShowingPutsItBack) {
    FixtureSite site;
    FixtureTemplateOptions options;
    options.mainStyle = 4;
    site.addTemplate(1, options);
    SiteState state;
    site.makeSite(state, Files, Labels);
    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    // A title that reads like the label must not be taken for the menu item.
    const QString aboutPath = PageFilePath(site.folders(), QStringLiteral("about-us"));
    SaveTextFile(
        pageText(site, QStringLiteral("about-us"))
            .replace(QStringLiteral("<title>Sample Title"), QStringLiteral("<title>About Us")),
        aboutPath);

    state.Pages[1].ShowInMenu = false;
    ASSERT_TRUE(SetMenuItemVisibility(state, site.folders(), 1, false));
    for (const QString& file : Files) {
        const QString page = pageText(site, file);
        EXPECT_TRUE(page.contains(
            QStringLiteral("<a href=\"about-us.html\"><span><!-- About Us --></a></li>")))
            << file.toStdString();
    }
    EXPECT_TRUE(pageText(site, QStringLiteral("about-us"))
                    .contains(QStringLiteral("<title>About Us</title>")));

    state.Pages[1].ShowInMenu = true;
    ASSERT_TRUE(SetMenuItemVisibility(state, site.folders(), 1, false));
    EXPECT_TRUE(pageText(site, QStringLiteral("index"))
                    .contains(QStringLiteral("<span>About Us<!-- About Us --></a></li>")));

    // Forced hide of a page the list shows: a regeneration shows it again, while a page the
    // list hides stays hidden.
    ASSERT_TRUE(SetMenuItemVisibility(state, site.folders(), 2, true));
    EXPECT_TRUE(
        pageText(site, QStringLiteral("index")).contains(QStringLiteral("<!-- Our Team -->")));
    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    EXPECT_EQ(
        ReadMainMenu(pageText(site, QStringLiteral("index")), templateIndex(site, state))[2].label,
        QStringLiteral("Our Team"));
    state.Pages[3].ShowInMenu = false;
    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    for (const QString& file : Files) {
        const QList<MenuLink> menu = ReadMainMenu(pageText(site, file), templateIndex(site, state));
        EXPECT_EQ(menu[3].label, QString()) << file.toStdString();
        EXPECT_EQ(menu[3].target, QStringLiteral("picture-gallery.html"));
    }
}

TEST(Menus, PagesWithoutTheItemOrTheMenuAreLeftUnchanged) {
    FixtureSite site;
    site.addTemplate(1);
    SiteState state;
    site.makeSite(state, {"index", "plain"}, {"Home", "Plain"});
    const QString plainPath = PageFilePath(site.folders(), QStringLiteral("plain"));
    WriteFile(plainPath, QStringLiteral("<p>no menu here</p>\r\n"));
    const QString indexBefore = ReadFile(PageFilePath(site.folders(), QStringLiteral("index")));

    // The index page's menu still holds the template's sample items, none reading "Plain".
    state.Pages[1].ShowInMenu = false;
    ASSERT_TRUE(SetMenuItemVisibility(state, site.folders(), 1, false));
    EXPECT_EQ(ReadFile(PageFilePath(site.folders(), QStringLiteral("index"))), indexBefore);
    EXPECT_EQ(ReadFile(plainPath), QStringLiteral("<p>no menu here</p>\r\n"));
    EXPECT_FALSE(state.Pages[0].Changed);

    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    EXPECT_EQ(pageText(site, QStringLiteral("plain")),
              QStringLiteral("<p>no menu here</p>\r\n\r\n"));
}

TEST(Menus, NoTemplateIsReported) {
    FixtureSite site;
    SiteState state;
    site.makeSite(state, {"index"}, {"Home"});
    EXPECT_FALSE(RegenerateMenus(state, site.folders()));
}

} // namespace

namespace {

struct VisibilityCase {
    const char* name;
    const char* page;
    const char* label;
    bool hide;
    const char* result; // nullptr: unchanged
};

const VisibilityCase VisibilityCases[] = {
    {"hides the item whose text is the label", "sys_navigation<a>About Us</a><a>About</a>", "About",
     true, "sys_navigation<a>About Us</a><a><!-- About --></a>"},
    {"a label that only begins an item still hides it", "sys_navigation<a>About Us</a>", "about",
     true, "sys_navigation<a><!-- about --></a>"},
    {"text before the menu is not searched", "<title>Shop</title>sys_navigation<a>Home</a>", "Shop",
     true, nullptr},
    {"no menu marker", "<a>Shop</a>", "Shop", true, nullptr},
    {"showing puts the label before its comment", "sys_navigation<a><!-- Shop --></a>", "Shop",
     false, "sys_navigation<a>Shop<!-- Shop --></a>"},
    {"showing a visible item changes nothing", "sys_navigation<a>Shop</a>", "Shop", false, nullptr},
};

TEST(MenuItemVisibility, HideAndShowOnePage) {
    for (const VisibilityCase& c : VisibilityCases) {
        SCOPED_TRACE(c.name);
        QString page = QString::fromUtf8(c.page);
        const QString label = QString::fromUtf8(c.label);
        const bool changed = c.hide ? HideMenuItem(page, label) : ShowMenuItem(page, label);
        EXPECT_EQ(changed, c.result != nullptr);
        EXPECT_EQ(page, QString::fromUtf8(c.result ? c.result : c.page));
    }
}

} // namespace

#include "generator/edit_copies.h"
#include "generator/regions.h"
#include "generator/template_library.h"
#include "pages/page_list_operations.h"
#include "pages/page_operations.h"
#include "pages/page_switch.h"
#include "site/page_table.h"
#include "site/settings_store.h"
#include "site/text_file.h"
#include "support/fixture_template.h"
#include "support/menu_reader.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using Field = PageNameFields::Field;

struct PageOps : ::testing::Test {
    FixtureSite site;
    SiteState state;
    const Folders& folders() const { return site.folders(); }

    void SetUp() override {
        site.addTemplate(1);
        site.makeSite(state, {"index", "about-us", "picture-gallery", "contact-us"},
                      {"Home", "About Us", "Picture Gallery", "Contact Us"});
        state.Account.UnixName = QStringLiteral("shop");
        ASSERT_TRUE(SaveAccount(state, folders()));
        ASSERT_TRUE(SavePages(state, folders()));
        ASSERT_TRUE(LoadPageForEditing(state, folders(), QStringLiteral("about-us")));
    }
    QString page(const QString& name) const { return LoadTextFile(PageFilePath(folders(), name)); }
    bool exists(const QString& name) const { return QFile::exists(PageFilePath(folders(), name)); }
    SiteState stored() const {
        SiteState s;
        LoadSite(s, folders());
        return s;
    }
    QStringList menuTargets(const QString& name) const {
        QStringList targets;
        const QString index =
            LoadTextFile(TemplateFolder(folders(), 1) + QStringLiteral("index.html"));
        for (const MenuLink& link : ReadMainMenu(page(name), index))
            targets << link.target;
        return targets;
    }
};

struct RefusedName {
    const char* fileName;
    const char* label;
    Field focus;
    const char* message;
};

const RefusedName RefusedNames[] = {
    {"???", "Label", Field::FileName, "You must enter a file name."},
    {"x", "   ", Field::Label, "You must enter a label."},
    {" About-US ", "Label", Field::FileName,
     "A page with the file name \"About-US\" already exists. Please choose another file name."},
    {"uperdyup", "Label", Field::FileName,
     "The file name \"uperdyup\" is used by the program itself. Please choose another file name."},
};

TEST_F(PageOps, RefusedNamesChangeNothing) {
    const QString about = page(QStringLiteral("about-us"));
    using Operation = Result (*)(SiteState&, const Folders&, PageNameFields&);
    for (const Operation op : {Operation(NewPage), Operation(SavePageAs)}) {
        for (const RefusedName& c : RefusedNames) {
            SCOPED_TRACE(c.fileName);
            PageNameFields fields{QString::fromUtf8(c.fileName), QString::fromUtf8(c.label)};
            const Result r = op(state, folders(), fields);
            EXPECT_EQ(r.message, QString::fromUtf8(c.message));
            EXPECT_EQ(fields.focus, c.focus);
            EXPECT_EQ(state.pageCount(), 4);
        }
    }
    EXPECT_EQ(page(QStringLiteral("about-us")), about);
    EXPECT_EQ(stored().pageCount(), 4);
}

TEST_F(PageOps, NewPageIsACleanCopyOfTheTemplateIndex) {
    state.Pages[4].IsHomePage = true; // left in the slot by an earlier site
    PageNameFields fields{QStringLiteral(" My Page!. "), QStringLiteral("  Mine ")};
    ASSERT_TRUE(NewPage(state, folders(), fields));
    EXPECT_EQ(fields.FileName, QStringLiteral("My-Page"));
    EXPECT_EQ(fields.Label, QStringLiteral("Mine"));
    const TSitePage& p = state.Pages[4];
    EXPECT_EQ(p.FileName, QStringLiteral("My-Page"));
    EXPECT_EQ(p.Label_, QStringLiteral("Mine"));
    EXPECT_TRUE(p.ShowInMenu && !p.IsHomePage);
    EXPECT_EQ(p.WindowTitle, QStringLiteral("Sample Title"));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("My-Page"));
    EXPECT_TRUE(
        GetRegionHtml(page(QStringLiteral("My-Page")), 1).contains(QStringLiteral("index region")));
    EXPECT_TRUE(QFile::exists(PreviewFilePath(folders(), QStringLiteral("My-Page"))));
    EXPECT_EQ(stored().PageSelector.last(), QStringLiteral("My-Page"));
    EXPECT_EQ(menuTargets(QStringLiteral("index")).last(), QStringLiteral("My-Page.html"));
}

TEST_F(PageOps, SavePageAsCopiesTheEditingCopyUnderACleanedName) {
    state.Pages[1].WindowTitle = QStringLiteral("About title");
    state.Pages[1].Keywords = QStringLiteral("about, us");
    ASSERT_TRUE(WriteRegionToEditingCopy(state, folders(), 2,
                                         QStringLiteral("<a href=\"x.html\">unsaved</a>")));
    PageNameFields fields{QStringLiteral("../Copy of/about"), QStringLiteral(" Copy ")};
    ASSERT_TRUE(SavePageAs(state, folders(), fields));
    EXPECT_EQ(fields.FileName, QStringLiteral("Copy-ofabout"));
    EXPECT_FALSE(QFile::exists(folders().tempFolder + QStringLiteral("Copy of/about.html")));
    const QString copy = page(QStringLiteral("Copy-ofabout"));
    EXPECT_EQ(GetRegionHtml(copy, 2), QStringLiteral("<a href=\"x.html\">unsaved</a>"));
    const TSitePage& p = state.Pages[4];
    EXPECT_EQ(p.Label_, QStringLiteral("Copy"));
    EXPECT_TRUE(p.ShowInMenu && p.Changed && !p.IsHomePage);
    EXPECT_EQ(p.WindowTitle, QStringLiteral("About title"));
    EXPECT_EQ(p.Keywords, QStringLiteral("about, us"));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("Copy-ofabout"));
    EXPECT_TRUE(state.PageModified);
    // The page it was copied from keeps its saved text.
    EXPECT_NE(GetRegionHtml(page(QStringLiteral("about-us")), 2), GetRegionHtml(copy, 2));
}

TEST_F(PageOps, RenameMovesTheFilesAndSavingFollowsTheNewName) {
    WriteFile(PageFilePath(folders(), QStringLiteral("Team")),
              QStringLiteral("left by an old site"));
    WriteFile(PreviewFilePath(folders(), QStringLiteral("about-us")), QStringLiteral("preview"));
    PageNameFields fields{QStringLiteral("Team"), QStringLiteral("Our Team")};
    ASSERT_TRUE(RenamePage(state, folders(), fields));
    EXPECT_FALSE(exists(QStringLiteral("about-us")));
    EXPECT_TRUE(
        GetRegionHtml(page(QStringLiteral("Team")), 1).contains(QStringLiteral("index region")));
    EXPECT_EQ(ReadFile(PreviewFilePath(folders(), QStringLiteral("Team"))),
              QStringLiteral("preview"));
    EXPECT_FALSE(QFile::exists(PreviewFilePath(folders(), QStringLiteral("about-us"))));
    EXPECT_EQ(state.PageSelector[1], QStringLiteral("Team"));
    EXPECT_EQ(state.Pages[1].Label_, QStringLiteral("Our Team"));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("Team"));
    EXPECT_EQ(menuTargets(QStringLiteral("index"))[1], QStringLiteral("Team.html"));
    EXPECT_EQ(stored().PageSelector[1], QStringLiteral("Team"));

    ASSERT_TRUE(WriteRegionToEditingCopy(state, folders(), 3, QStringLiteral("saved later")));
    ASSERT_TRUE(SavePage(state, folders()));
    EXPECT_TRUE(stored().Pages[1].Changed);
    EXPECT_EQ(GetRegionHtml(page(QStringLiteral("Team")), 3), QStringLiteral("saved later"));

    // Onto another page's name: refused.
    PageNameFields clash{QStringLiteral("contact-us"), QStringLiteral("X")};
    EXPECT_FALSE(RenamePage(state, folders(), clash));
    EXPECT_EQ(state.PageSelector[1], QStringLiteral("Team"));

    // A file that cannot be moved into place: reported, the page keeps its name and file.
    QDir().mkpath(PageFilePath(folders(), QStringLiteral("Shop")));
    PageNameFields blocked{QStringLiteral("Shop"), QStringLiteral("Shop")};
    const Result notMoved = RenamePage(state, folders(), blocked);
    EXPECT_FALSE(notMoved);
    EXPECT_TRUE(notMoved.message.contains(QStringLiteral("could not be renamed")));
    EXPECT_EQ(state.PageSelector[1], QStringLiteral("Team"));
    EXPECT_EQ(state.Pages[1].Label_, QStringLiteral("Our Team"));
    EXPECT_EQ(GetRegionHtml(page(QStringLiteral("Team")), 3), QStringLiteral("saved later"));
    EXPECT_EQ(ReadFile(PreviewFilePath(folders(), QStringLiteral("Team"))),
              QStringLiteral("preview"));

    // The home page keeps its file name; only the label changes.
    ASSERT_TRUE(LoadPageForEditing(state, folders(), QStringLiteral("index")));
    PageNameFields home{QStringLiteral("start"), QStringLiteral("Start")};
    ASSERT_TRUE(RenamePage(state, folders(), home));
    EXPECT_EQ(state.PageSelector[0], QStringLiteral("index"));
    EXPECT_EQ(state.Pages[0].Label_, QStringLiteral("Start"));
    EXPECT_TRUE(exists(QStringLiteral("index")));
}

TEST_F(PageOps, DeleteShiftsTheTableAndOpensTheHomePage) {
    SelectPage(state, 1);
    ASSERT_TRUE(DeletePage(state, folders()));
    EXPECT_EQ(state.PageSelector, (QStringList{"index", "picture-gallery", "contact-us"}));
    EXPECT_EQ(state.Pages[2].FileName, QStringLiteral("contact-us"));
    EXPECT_EQ(state.Pages[3].FileName,
              QStringLiteral("contact-us")); // the vacated slot keeps its record
    EXPECT_FALSE(exists(QStringLiteral("about-us")));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("index"));
    EXPECT_EQ(state.SelectedPageIndex, 0);
    EXPECT_EQ(menuTargets(QStringLiteral("contact-us")),
              (QStringList{"index.html", "picture-gallery.html", "contact-us.html"}));
    EXPECT_EQ(stored().pageCount(), 3);

    const Result home = DeletePage(state, folders());
    EXPECT_EQ(home.message, QStringLiteral("The home page cannot be deleted."));
    EXPECT_EQ(state.pageCount(), 3);
}

TEST_F(PageOps, PropertiesReachTheFilesAndTheStore) {
    const TPageHead head{QStringLiteral("Fish & Chips"), QStringLiteral("Fresh"),
                         QStringLiteral("fish, chips")};
    ASSERT_TRUE(SetPageProperties(state, folders(), head));
    EXPECT_EQ(ReadPageHead(page(QStringLiteral("about-us"))), head);
    EXPECT_EQ(ReadPageHead(LoadTextFile(EditingCopyPath(folders()))), head);
    EXPECT_TRUE(
        page(QStringLiteral("about-us")).contains(QStringLiteral("href=\"bin/style.css\"")));
    EXPECT_EQ(OpenPageHead(state, folders()), head);
    EXPECT_TRUE(state.PageModified);
    EXPECT_EQ(stored().Pages[1].WindowTitle, QStringLiteral("Fish & Chips"));
}

TEST_F(PageOps, PickingAnotherPageWithUnsavedChangesWaitsForTheAnswer) {
    ASSERT_TRUE(WriteRegionToEditingCopy(state, folders(), 1, QStringLiteral("draft")));
    ASSERT_TRUE(SwitchPage(state, folders(), 2, true));
    EXPECT_TRUE(state.PendingPageSwitch);
    EXPECT_EQ(state.SelectedPageIndex, 2);
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("about-us"));

    ASSERT_TRUE(AnswerSavePageQuestion(state, folders(), false));
    EXPECT_FALSE(state.PendingPageSwitch);
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("picture-gallery"));
    EXPECT_NE(GetRegionHtml(page(QStringLiteral("about-us")), 1), QStringLiteral("draft"));

    ASSERT_TRUE(WriteRegionToEditingCopy(state, folders(), 1, QStringLiteral("keep me")));
    ASSERT_TRUE(SwitchPage(state, folders(), 0, true));
    ASSERT_TRUE(AnswerSavePageQuestion(state, folders(), true));
    EXPECT_EQ(GetRegionHtml(page(QStringLiteral("picture-gallery")), 1), QStringLiteral("keep me"));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("index"));

    // Nothing unsaved, or the editor not shown: the page opens at once.
    ASSERT_TRUE(SwitchPage(state, folders(), 3, true));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("contact-us"));
    state.PageModified = true;
    ASSERT_TRUE(SwitchPage(state, folders(), 1, false));
    EXPECT_EQ(state.CurrentPageFileName, QStringLiteral("about-us"));
}

TEST_F(PageOps, MovingAndHidingRewriteEveryMenu) {
    ASSERT_TRUE(MovePageInList(state, folders(), 0, 2));
    EXPECT_EQ(state.PageSelector,
              (QStringList{"about-us", "picture-gallery", "index", "contact-us"}));
    EXPECT_TRUE(state.Pages[2].IsHomePage);
    EXPECT_EQ(state.SelectedPageIndex, -1);
    EXPECT_EQ(stored().PageSelector, state.PageSelector);
    // The regeneration's changed marks reach the store, so a later publish uploads every page.
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(stored().Pages[i].Changed) << i;
    // The first page in order takes the home item's markup.
    const QString index = LoadTextFile(TemplateFolder(folders(), 1) + QStringLiteral("index.html"));
    const QList<MenuLink> menu = ReadMainMenu(page(QStringLiteral("about-us")), index);
    EXPECT_EQ(menu[0].target, QStringLiteral("about-us.html"));
    EXPECT_TRUE(menu[0].markup.contains(QStringLiteral("current")));
    EXPECT_FALSE(MovePageInList(state, folders(), 0, 4));

    ASSERT_TRUE(TogglePageMenuVisibility(state, folders(), 3));
    EXPECT_FALSE(state.Pages[3].ShowInMenu);
    EXPECT_FALSE(stored().Pages[3].ShowInMenu);
    for (const QString& name : state.PageSelector)
        EXPECT_TRUE(page(name).contains(QStringLiteral("<!-- Contact Us -->")))
            << name.toStdString();
    ASSERT_TRUE(TogglePageMenuVisibility(state, folders(), 3));
    EXPECT_EQ(ReadMainMenu(page(QStringLiteral("index")), index)[3].label,
              QStringLiteral("Contact Us"));
}

} // namespace

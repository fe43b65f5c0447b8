#include "generator/edit_copies.h"
#include "generator/page_head.h"
#include "generator/regions.h"
#include "generator/template_library.h"
#include "site/settings_store.h"
#include "site/text_file.h"
#include "support/menu_reader.h"
#include "support/qt_print.h"
#include "support/temp_home.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Site {
    TempHome home;
    const Folders& folders() const { return home.folders(); }
    ProcessResult tavo(const QStringList& args, const QByteArray& input = {}) const {
        return RunTavo(home, args, input);
    }
    void run(const QStringList& args, const QByteArray& input = {}) const {
        const ProcessResult r = tavo(args, input);
        ASSERT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    }
    SiteState stored() const {
        SiteState state;
        LoadAccount(state, folders());
        LoadSite(state, folders());
        return state;
    }
    QString page(const QString& name) const { return LoadTextFile(PageFilePath(folders(), name)); }
    QString templateIndex() const {
        return LoadTextFile(SelectedTemplateFolder(stored(), folders()) +
                            QStringLiteral("index.html"));
    }
};

TEST(CliPages, NewPageMovedSecondIsListedSecondInEveryMenu) {
    Site site;
    site.run({"new-site", "My Shop", "--template", "0"});
    site.run({"page", "new", "Our Team", "Team"});
    site.run({"page", "move", "4", "1"});

    const QStringList files = {"index", "Our-Team", "about-us", "picture-gallery", "contact-us"};
    const QStringList labels = {"Home", "Team", "About Us", "Picture Gallery", "Contact Us"};
    EXPECT_EQ(site.stored().PageSelector, files);
    const QString index = site.templateIndex();
    for (int p = 0; p < files.size(); ++p) {
        SCOPED_TRACE(files[p].toStdString());
        const QList<MenuLink> menu = ReadMainMenu(site.page(files[p]), index);
        ASSERT_EQ(menu.size(), files.size());
        for (int r = 0; r < files.size(); ++r) {
            EXPECT_EQ(menu[r].target, files[r] + QStringLiteral(".html"));
            EXPECT_EQ(menu[r].label, labels[r]);
        }
        // The page's own item is in the current-page form: it reads differently from the same
        // item in another page's menu.
        const QList<MenuLink> other = ReadMainMenu(site.page(files[(p + 1) % files.size()]), index);
        EXPECT_NE(menu[p].markup, other[p].markup);
    }

    site.run({"page", "toggle-menu", "about-us"});
    EXPECT_FALSE(site.stored().Pages[2].ShowInMenu);
    for (const QString& file : files)
        EXPECT_EQ(ReadMainMenu(site.page(file), index)[2].label, QString()) << file.toStdString();
    site.run({"page", "toggle-menu", "about-us"});
    EXPECT_TRUE(site.stored().Pages[2].ShowInMenu);
    for (const QString& file : files)
        EXPECT_EQ(ReadMainMenu(site.page(file), index)[2].label, QStringLiteral("About Us"));
}

struct Refusal {
    QStringList args;
    int exitCode;
    const char* message; // nullptr: a usage line
};

TEST(CliPages, RefusalsSayWhy) {
    Site site;
    EXPECT_EQ(site.tavo({"page", "new", "team", "Team"}).err,
              "There is no site yet: create one with tavo new-site.\n");
    site.run({"new-site", "My Shop"});
    const Refusal refusals[] = {
        {{"page", "new", "???", "Label"}, 1, "You must enter a file name."},
        {{"page", "new", "team", " "}, 1, "You must enter a label."},
        {{"page", "new", "About-Us", "Again"},
         1,
         "A page with the file name \"About-Us\" already exists. Please choose another file name."},
        {{"page", "rename", "about-us", "contact-us", "X"},
         1,
         "A page with the file name \"contact-us\" already exists. Please choose another file "
         "name."},
        {{"page", "save-as", "about-us", "index", "X"},
         1,
         "A page with the file name \"index\" already exists. Please choose another file name."},
        {{"page", "delete", "index"}, 1, "The home page cannot be deleted."},
        {{"page", "open", "nope"}, 1, "There is no page \"nope\" in this site."},
        {{"page", "move", "0", "9"}, 1, "There is no page in row 9."},
        {{"region", "get", "index", "9"}, 1, "The page \"index\" has no editable region 9."},
        {{"page", "move", "a", "1"}, 2, nullptr},
        {{"region", "set", "index"}, 2, nullptr},
        {{"page", "props", "index", "t"}, 2, nullptr},
    };
    for (const Refusal& c : refusals) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProcessResult r = site.tavo(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        if (c.message) {
            EXPECT_EQ(QString::fromUtf8(r.err), QString::fromUtf8(c.message) + '\n');
        } else {
            EXPECT_TRUE(r.err.startsWith("usage: tavo "));
        }
    }
    EXPECT_EQ(site.stored().pageCount(), 4);
}

TEST(CliPages, RegionsPropertiesCopiesAndRenames) {
    Site site;
    site.run({"new-site", "My Shop"});
    const QByteArray content = "<p>Fresh bread</p>\r\n<a href=\"contact-us.php\">Call us</a>";
    site.run({"region", "set", "about-us", "2"}, content);
    const ProcessResult got = site.tavo({"region", "get", "about-us", "2"});
    EXPECT_EQ(got.out, content);

    site.run({"page", "props", "about-us", "About & more", "Our story", "story, bread"});
    EXPECT_EQ(ReadPageHead(site.page(QStringLiteral("about-us"))),
              (TPageHead{"About & more", "Our story", "story, bread"}));
    EXPECT_EQ(site.stored().Pages[1].WindowTitle, QStringLiteral("About & more"));

    site.run({"page", "save-as", "about-us", "story copy", "Story"});
    SiteState state = site.stored();
    EXPECT_EQ(state.PageSelector.last(), QStringLiteral("story-copy"));
    EXPECT_EQ(state.Pages[4].WindowTitle, QStringLiteral("About & more"));
    EXPECT_EQ(GetRegionHtml(site.page(QStringLiteral("story-copy")), 2),
              QString::fromUtf8(content));

    site.run({"page", "rename", "story-copy", "story", "Our Story"});
    site.run({"page", "rename", "index", "start", "Start"});
    state = site.stored();
    EXPECT_EQ(state.PageSelector,
              (QStringList{"index", "about-us", "picture-gallery", "contact-us", "story"}));
    EXPECT_EQ(state.Pages[0].Label_, QStringLiteral("Start"));
    EXPECT_FALSE(QFile::exists(PageFilePath(site.folders(), QStringLiteral("story-copy"))));

    site.run({"page", "delete", "picture-gallery"});
    EXPECT_EQ(site.stored().PageSelector,
              (QStringList{"index", "about-us", "contact-us", "story"}));
    EXPECT_FALSE(QFile::exists(PageFilePath(site.folders(), QStringLiteral("picture-gallery"))));

    const ProcessResult preview = site.tavo({"preview"});
    ASSERT_EQ(preview.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(preview.out),
              PreviewFilePath(site.folders(), QStringLiteral("index")) + '\n');
    EXPECT_TRUE(LoadTextFile(PreviewFilePath(site.folders(), QStringLiteral("about-us")))
                    .contains(QStringLiteral("<a href=\"contact-us.html\">Call us</a>")));
}

} // namespace

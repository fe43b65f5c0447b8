#include "generator/menu_styles.h"
#include "generator/page_head.h"
#include "generator/template_library.h"
#include "site/settings_store.h"
#include "site/text_file.h"
#include "support/qt_print.h"
#include "support/temp_home.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

SiteState storedSite(const TempHome& home) {
    SiteState state;
    LoadAccount(state, home.folders());
    LoadSite(state, home.folders());
    return state;
}

QString pageFile(const TempHome& home, const QString& name) {
    return LoadTextFile(home.folders().WorkDir() + name + QStringLiteral(".html"));
}

TEST(CliTemplates, ListsGalleryIndexAndFolderNumber) {
    TempHome home;
    const ProcessResult run = RunTavo(home, {"templates"});
    ASSERT_EQ(run.exitCode, 0);
    QString expected;
    const QList<int> numbers = TemplateFolderNumbers(home.folders());
    ASSERT_FALSE(numbers.isEmpty());
    for (qsizetype k = 0; k < numbers.size(); ++k)
        expected += QStringLiteral("%1 %2\n").arg(k).arg(numbers[k]);
    EXPECT_EQ(QString::fromUtf8(run.out), expected);
    EXPECT_EQ(RunTavo(home, {"templates", "extra"}).exitCode, 2);
}

TEST(CliNewSite, CreatesTheFourDefaultPagesAndStoresTheSite) {
    TempHome home;
    const ProcessResult run = RunTavo(home, {"new-site", "My Shop", "--template", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const SiteState state = storedSite(home);
    EXPECT_EQ(state.Account.UnixName, QStringLiteral("My-Shop"));
    EXPECT_TRUE(state.Account.TavoSiteStatus);
    EXPECT_EQ(state.SelectedTemplateIndex, 1);
    EXPECT_EQ(state.PageSelector,
              (QStringList{"index", "about-us", "picture-gallery", "contact-us"}));
    EXPECT_TRUE(state.Pages[0].IsHomePage);
    for (const QString& name : state.PageSelector)
        EXPECT_EQ(ReadPageHead(pageFile(home, name)).WindowTitle, QStringLiteral("Window Title"));
    // Page index is open for editing.
    EXPECT_TRUE(QFile::exists(home.folders().WorkDir() + QStringLiteral("editpage_.html")));
    EXPECT_TRUE(QFile::exists(home.folders().WorkDir() + QStringLiteral("bin")));
}

struct RefusedCase {
    QStringList args;
    int exitCode;
    const char* message; // the whole standard error line, or nullptr for a usage line
};

TEST(CliNewSite, RefusalsChangeNothing) {
    const RefusedCase cases[] = {
        {{"new-site", "  "}, 1, "Please Enter Your Site's Name."},
        {{"new-site", "x"}, 1, "The Name You Entered Is Too Short."},
        {{"new-site", "12"}, 1, "The Name You Entered Has No Letters."},
        {{"new-site", "Shop", "--template", "99"},
         1,
         "There is no design template number 99 in the gallery."},
        {{"new-site", "Shop", "--template", "x"}, 2, nullptr},
        {{"new-site"}, 2, nullptr},
        {{"apply-template", "0"}, 1, "There is no site yet: create one with tavo new-site."},
    };
    TempHome home;
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProcessResult run = RunTavo(home, c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        if (c.message) {
            EXPECT_EQ(QString::fromUtf8(run.err), QString::fromUtf8(c.message) + '\n');
        } else {
            EXPECT_TRUE(run.err.startsWith("usage: tavo "));
        }
    }
    EXPECT_FALSE(QFile::exists(home.folders().settingsFile));
    EXPECT_FALSE(QFile::exists(home.folders().WorkDir()));
}

TEST(CliApplyTemplate, RebuildsEveryPageFromTheNewDesign) {
    TempHome home;
    ASSERT_EQ(RunTavo(home, {"new-site", "My Shop", "--template", "0"}).exitCode, 0);
    const QString before = pageFile(home, QStringLiteral("about-us"));
    const ProcessResult run = RunTavo(home, {"apply-template", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(storedSite(home).SelectedTemplateIndex, 2);
    const QString newIndex =
        LoadTextFile(TemplateFolder(home.folders(), TemplateFolderNumbers(home.folders()).at(2)) +
                     QStringLiteral("index.html"));
    const QString after = pageFile(home, QStringLiteral("about-us"));
    EXPECT_NE(after, before);
    EXPECT_EQ(MainMenuStyleNumber(after), MainMenuStyleNumber(newIndex));
    EXPECT_EQ(RunTavo(home, {"apply-template", "99"}).exitCode, 1);
}

} // namespace

// A whole site life cycle on every design installed with the program, through the tavo command:
// the menus must list exactly the site's pages in order, and the preview must be browsable.
#include "generator/edit_copies.h"
#include "generator/menu_styles.h"
#include "generator/template_library.h"
#include "site/settings_store.h"
#include "site/text_file.h"
#include "support/menu_reader.h"
#include "support/qt_print.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QStringList Files = {"index", "team", "about-us", "picture-gallery", "contact-us"};
const QStringList Labels = {"Home", "The Team", "About Us", "Picture Gallery", "Contact Us"};
constexpr int HiddenPage = 3;

class BundledSite : public ::testing::TestWithParam<int> {
protected:
    TempHome home;

    void run(const QStringList& args) {
        const ProcessResult r = RunTavo(home, args);
        ASSERT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    }
    SiteState stored() const {
        SiteState state;
        LoadAccount(state, home.folders());
        LoadSite(state, home.folders());
        return state;
    }
    QString page(const QString& name) const {
        return LoadTextFile(PageFilePath(home.folders(), name));
    }

    static void expectMenu(const QList<MenuLink>& menu, bool hiddenShown) {
        ASSERT_EQ(menu.size(), Files.size());
        for (int r = 0; r < Files.size(); ++r) {
            EXPECT_EQ(menu[r].target, Files[r] + QStringLiteral(".html")) << r;
            EXPECT_EQ(menu[r].label, r == HiddenPage && !hiddenShown ? QString() : Labels[r]) << r;
        }
    }

    // Main menu with the hidden page hidden; the second menu, where the design has one,
    // keeps every item visible (only the first item of a label is hidden).
    void expectMenus() {
        const QString index = LoadTextFile(SelectedTemplateFolder(stored(), home.folders()) +
                                           QStringLiteral("index.html"));
        const int mainStyle = MainMenuStyleNumber(index);
        ASSERT_NE(mainStyle, 0);
        for (const QString& file : Files) {
            SCOPED_TRACE(file.toStdString());
            const QString text = page(file);
            expectMenu(ReadMainMenu(text, index), false);
            if (const MenuStyle* second =
                    text.contains(SecondMenuMarker()) ? SecondMenuStyle(text, mainStyle) : nullptr)
                expectMenu(ReadMenu(text, SecondMenuMarker(), second->containerEnd), true);
        }
    }

    void expectPreviewLinksResolve() {
        const ProcessResult preview = RunTavo(home, {"preview"});
        ASSERT_EQ(preview.exitCode, 0) << preview.err.toStdString();
        static const QRegularExpression reference(
            QStringLiteral("(?:href|src)\\s*=\\s*[\"']([^\"']*)[\"']|url\\(\\s*[\"']?([^\"')]*)"),
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression external(QStringLiteral("^(#|[a-z][a-z0-9+.-]*:|//)"),
                                                 QRegularExpression::CaseInsensitiveOption);
        const QDir previewDir(home.folders().PreviewDir());
        int checked = 0;
        for (const QString& file : Files) {
            const QString text = LoadTextFile(PreviewFilePath(home.folders(), file));
            for (auto it = reference.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                QString target = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
                target = target.section(QLatin1Char('#'), 0, 0).section(QLatin1Char('?'), 0, 0);
                if (target.isEmpty() || external.match(target).hasMatch())
                    continue;
                ++checked;
                EXPECT_TRUE(QFileInfo(previewDir.filePath(target)).isFile())
                    << file.toStdString() << ".html links to " << target.toStdString();
            }
        }
        EXPECT_GT(checked, 0);
    }
};

TEST_P(BundledSite, LifeCycleKeepsMenusAndPreviewWhole) {
    const int k = GetParam();
    run({"new-site", "Life Cycle", "--template", QString::number(k)});
    run({"page", "new", "Our Team", "Team"});
    run({"page", "save-as", "about-us", "about copy", "Copy"});
    run({"page", "rename", "Our-Team", "team", "The Team"});
    run({"page", "move", "4", "1"});
    run({"page", "toggle-menu", "picture-gallery"});
    run({"page", "delete", "about-copy"});
    ASSERT_EQ(stored().PageSelector, Files);
    EXPECT_FALSE(stored().Pages[HiddenPage].ShowInMenu);
    expectMenus();
    expectPreviewLinksResolve();

    // Another design: the same pages, the same menus, the hidden page still hidden.
    const int count = int(TemplateFolderNumbers(home.folders()).size());
    run({"apply-template", QString::number((k + 1) % count)});
    expectMenus();
    expectPreviewLinksResolve();
}

std::vector<int> galleryIndices() {
    TempHome home;
    std::vector<int> indices;
    for (qsizetype k = 0; k < TemplateFolderNumbers(home.folders()).size(); ++k)
        indices.push_back(int(k));
    return indices;
}

INSTANTIATE_TEST_SUITE_P(Designs, BundledSite, ::testing::ValuesIn(galleryIndices()));

} // namespace

// The design templates installed with the program: the page code finds regions, head tags and
// menu items by plain text search, so every marker must stand in the files exactly as the
// generator and the region editor look for it.

#include "generator/edit_copies.h"
#include "generator/menus.h"
#include "generator/template_library.h"
#include "site/folder_utils.h"
#include "site/text_file.h"
#include "support/fixture_template.h"
#include "support/menu_reader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString TemplatesDir = QStringLiteral(TAVO_SOURCE_DIR "/data/templates/");
// The gallery lays out the screenshots unscaled, three to a row.
const QSize ScreenshotSize(280, 210);

const QStringList SamplePages = {"index", "about-us", "picture-gallery", "contact-us"};
const QStringList SampleLabels = {"home", "about us", "picture gallery", "contact us"};
const QStringList SampleLinks = {"./", "about-us.php", "picture-gallery.php", "contact-us.php"};

// How the menu generator reads one menu style.
struct MenuMarkup {
    QString itemStart;    // where the old items begin
    QString containerEnd; // the end tag closing the menu
    QString itemEnd;      // what follows a sample label
    QString copyStart;    // where a copied sample item begins
};

MenuMarkup MainMenuMarkup(int style) {
    switch (style) {
    case 1:
        return {"<li", "</ul>", "</a></li>", "<li"};
    case 2:
        return {"<span", "</div>", "</a></span>", "<span"};
    case 3:
        return {"<a", "</div>", "</a> |", "<a "};
    default:
        return {"<li", "</ul>", "</span></a></li>", "<li"};
    }
}

MenuMarkup SecondMenuMarkup(const QString& style) {
    if (style == "1" || style == "1b")
        return {"<li", "</ul>", "</a></li>", "<li"};
    if (style == "2")
        return {"<a", "</div>", "</a>", "<a "};
    return {"<a", "</div>", "</a>", "<a"};
}

struct BundledTemplate {
    int folder;
    int mainMenuStyle;
    QString secondMenuStyle;
    int regionCount;
};

void PrintTo(const BundledTemplate& t, std::ostream* os) {
    *os << "template " << t.folder;
}

const BundledTemplate BundledTemplates[] = {
    {1, 1, "1", 4},
    {2, 2, "1b", 5},
    {3, 3, "2", 4},
    {4, 4, "2b", 4},
};

int Count(const QString& text, const QString& needle) {
    return text.count(needle);
}

// The sample item of one label as the generator copies it out of a model page's menu, or an
// empty text with the reason in failure.
QString SampleItem(const QString& page, const QString& marker, const MenuMarkup& style,
                   const QString& label, QString& failure) {
    const int m = page.indexOf(marker);
    if (m < 0) {
        failure = "no menu marker " + marker;
        return {};
    }
    const QString menu = page.mid(m + 1).toLower();
    const QString needle = label + style.itemEnd;
    const int p = menu.indexOf(needle);
    if (p < 0) {
        failure = "no sample item ending \"" + needle + "\"";
        return {};
    }
    const int q = menu.lastIndexOf(style.copyStart, p);
    const int s = menu.indexOf(style.itemStart);
    const int e = menu.indexOf(style.containerEnd);
    if (q < 0 || s < 0 || e < 0 || !(s <= q && p + needle.size() <= e)) {
        failure = "sample item of \"" + label + "\" not inside the menu container";
        return {};
    }
    return menu.mid(q, p + needle.size() - q);
}

class BundledTemplateTest : public testing::TestWithParam<BundledTemplate> {
protected:
    QString folder() const { return TemplatesDir + QString::number(GetParam().folder) + "/"; }
    QString page(const QString& name) const { return LoadTextFile(folder() + name + ".html"); }
};

TEST_P(BundledTemplateTest, HasEveryFileOfATemplate) {
    for (const QString& name : SamplePages + QStringList{"template_preview"})
        EXPECT_TRUE(QFileInfo(folder() + name + ".html").isFile()) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder() + "ss.png").isFile());
    EXPECT_TRUE(QFileInfo(folder() + "bin/style.css").isFile());
    // The own-server upload puts only the top-level files of bin/.
    EXPECT_TRUE(QDir(folder() + "bin").entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_P(BundledTemplateTest, EveryPageCarriesItsRegionsAndHeadExactly) {
    for (const QString& name : SamplePages) {
        SCOPED_TRACE(name.toStdString());
        const QString text = page(name);
        for (int n = 1; n <= 5; ++n) {
            const QString start = QString("<div id=\"tavodiv%1\">").arg(n);
            const QString end = QString("</div><!-- tavodiv%1 -->").arg(n);
            if (n > GetParam().regionCount) {
                EXPECT_FALSE(text.contains(QString("tavodiv%1").arg(n)));
                continue;
            }
            ASSERT_EQ(Count(text, start), 1) << n;
            ASSERT_EQ(Count(text, end), 1) << n;
            // The content ends at the first end-marker prefix, which must be the region's own.
            const int first = text.indexOf(start) + start.size();
            EXPECT_EQ(text.indexOf("</div><!-- tavodiv", first), text.indexOf(end)) << n;
        }
        EXPECT_EQ(Count(text, "<title>"), 1);
        EXPECT_GT(text.indexOf("</title"), text.indexOf("<title>"));
        for (const QString meta : {"description", "keywords"}) {
            const QString opening = "<meta name=\"" + meta + "\" content=\"";
            const int at = text.indexOf(opening);
            ASSERT_GE(at, 0) << meta.toStdString();
            const QString value = text.mid(at + opening.size()).section('"', 0, 0);
            EXPECT_FALSE(value.trimmed().isEmpty()) << meta.toStdString();
            EXPECT_FALSE(value.contains('\n'));
        }
    }
}

TEST_P(BundledTemplateTest, PageTemplateNamesItsMainMenuStyleFirst) {
    const QString index = page("index").toLower();
    for (int style = 1; style <= 4; ++style)
        EXPECT_EQ(index.contains(QString("<!-- dtype%1 -->").arg(style)),
                  style == GetParam().mainMenuStyle)
            << style;
}

TEST_P(BundledTemplateTest, MenusHoldTheFourSampleItemsWithTheCurrentPageMarked) {
    const QString secondMarker = "<!-- 2nd Menu Type " + GetParam().secondMenuStyle + " -->";
    struct Menu {
        QString marker;
        MenuMarkup style;
    };
    const Menu menus[] = {{"sys_navigation", MainMenuMarkup(GetParam().mainMenuStyle)},
                          {"<!-- 2nd Menu Type", SecondMenuMarkup(GetParam().secondMenuStyle)}};
    for (int pageIndex = 0; pageIndex < SamplePages.size(); ++pageIndex) {
        const QString name = SamplePages[pageIndex];
        SCOPED_TRACE(name.toStdString());
        const QString text = page(name);
        ASSERT_EQ(Count(text, "<!-- 2nd Menu Type"), 1);
        ASSERT_TRUE(text.contains(secondMarker));
        EXPECT_LT(text.indexOf("sys_navigation"), text.indexOf(secondMarker));
        for (const Menu& menu : menus) {
            for (int i = 0; i < SampleLabels.size(); ++i) {
                QString failure;
                const QString item =
                    SampleItem(text, menu.marker, menu.style, SampleLabels[i], failure);
                ASSERT_FALSE(item.isEmpty()) << failure.toStdString();
                EXPECT_TRUE(item.contains("href=\"" + SampleLinks[i] + "\"")) << item.toStdString();
                EXPECT_EQ(item.contains("class=\"current\""), i == pageIndex) << item.toStdString();
            }
        }
    }
}

TEST_P(BundledTemplateTest, ScreenshotIsAnOpaqueRgbPictureOfTheCommonSize) {
    const QByteArray png = [&] {
        QFile file(folder() + "ss.png");
        return file.open(QIODevice::ReadOnly) ? file.read(26) : QByteArray();
    }();
    ASSERT_EQ(png.size(), 26);
    EXPECT_EQ(png.mid(1, 3), QByteArray("PNG"));
    EXPECT_EQ(png[24], 8); // bit depth
    EXPECT_EQ(png[25], 2); // colour type: RGB, no alpha
    EXPECT_EQ(QImage(folder() + "ss.png").size(), ScreenshotSize);
}

TEST_P(BundledTemplateTest, RefersOnlyToItsOwnFilesAndThePlainCodePage) {
    // The one absolute address allowed is the SVG namespace, which is never fetched.
    const QRegularExpression external(QStringLiteral("https?://(?!www\\.w3\\.org/2000/svg\")"));
    const QRegularExpression binAsset(QStringLiteral("bin/([A-Za-z0-9_.-]+)"));
    const QRegularExpression cssAsset(QStringLiteral("url\\(\"?([A-Za-z0-9_.-]+)\"?\\)"));
    QStringList textFiles;
    for (const QString& name : SamplePages + QStringList{"template_preview"})
        textFiles << folder() + name + ".html";
    for (const QFileInfo& asset : QDir(folder() + "bin").entryInfoList({"*.css", "*.svg"}))
        textFiles << asset.filePath();
    for (const QString& path : textFiles) {
        SCOPED_TRACE(path.toStdString());
        const QString text = LoadTextFile(path);
        EXPECT_FALSE(text.contains(external));
        // Pages are read and written in windows-1252; plain ASCII with entities reads the same
        // in every code page.
        EXPECT_FALSE(text.contains(
            QRegularExpression(QStringLiteral("[^\\x{09}\\x{0A}\\x{0D}\\x{20}-\\x{7E}]"))));
        const bool styleSheet = path.endsWith(".css");
        auto assets = (styleSheet ? cssAsset : binAsset).globalMatch(text);
        while (assets.hasNext()) {
            const QString asset = assets.next().captured(1);
            EXPECT_TRUE(QFileInfo(folder() + "bin/" + asset).isFile()) << asset.toStdString();
        }
        if (text.contains("img.jpg")) {
            EXPECT_TRUE(QFileInfo(TemplatesDir + "../img.jpg").isFile());
        }
    }
    // The preview is shown from the template folder, where the default picture is two up.
    const QString preview = LoadTextFile(folder() + "template_preview.html");
    EXPECT_FALSE(preview.contains("\"img.jpg\""));
}

TEST_P(BundledTemplateTest, RegeneratedMenusListEveryPageWithItsOwnItemCurrent) {
    const QStringList files = {"index", "about-us", "services", "picture-gallery", "contact-us"};
    const QStringList labels = {"Home", "About Us", "Our Services", "Gallery", "Contact Us"};
    FixtureSite site;
    CopyFolder(folder(), TemplateFolder(site.folders(), 1));
    SiteState state;
    site.makeSite(state, files, labels);
    ASSERT_TRUE(RegenerateMenus(state, site.folders()));
    state.Pages[3].ShowInMenu = false;
    ASSERT_TRUE(SetMenuItemVisibility(state, site.folders(), 3, false));

    const QString templateIndex = page("index");
    const QString secondEnd = SecondMenuMarkup(GetParam().secondMenuStyle).containerEnd;
    for (int p = 0; p < files.size(); ++p) {
        SCOPED_TRACE(files[p].toStdString());
        const QString text = LoadTextFile(PageFilePath(site.folders(), files[p]));
        const QList<MenuLink> menus[] = {ReadMainMenu(text, templateIndex),
                                         ReadMenu(text, "<!-- 2nd Menu Type", secondEnd)};
        for (const QList<MenuLink>& menu : menus) {
            ASSERT_EQ(menu.size(), files.size());
            for (int r = 0; r < files.size(); ++r) {
                EXPECT_EQ(menu[r].target, files[r] + ".html");
                EXPECT_EQ(menu[r].markup.contains("class=\"current\""), r == p) << r;
            }
        }
        // The hidden page's text is gone from the main menu only.
        EXPECT_EQ(menus[0][3].label, "");
        EXPECT_EQ(menus[1][3].label, "Gallery");
        EXPECT_EQ(menus[0][2].label, "Our Services");
    }
}

INSTANTIATE_TEST_SUITE_P(Bundled, BundledTemplateTest, testing::ValuesIn(BundledTemplates));

TEST(BundledTemplates, UseEveryMenuStyleAndAFifthRegion) {
    QSet<int> mainStyles;
    QSet<QString> secondStyles;
    int withFifthRegion = 0;
    for (const BundledTemplate& t : BundledTemplates) {
        mainStyles.insert(t.mainMenuStyle);
        secondStyles.insert(t.secondMenuStyle);
        withFifthRegion += t.regionCount == 5 ? 1 : 0;
    }
    EXPECT_EQ(mainStyles, (QSet<int>{1, 2, 3, 4}));
    EXPECT_EQ(secondStyles, (QSet<QString>{"1", "1b", "2", "2b"}));
    EXPECT_GE(withFifthRegion, 1);
}

// Applying another design replaces the files of bin/ but keeps the pages' regions, so a picture
// a sample region shows from bin/ must exist under the same name in every design.
TEST(BundledTemplates, RegionPicturesExistInEveryDesign) {
    const QRegularExpression binAsset(QStringLiteral("bin/([A-Za-z0-9_.-]+)"));
    QSet<QString> regionPictures;
    for (const BundledTemplate& t : BundledTemplates) {
        for (const QString& name : SamplePages) {
            const QString text =
                LoadTextFile(TemplatesDir + QString::number(t.folder) + "/" + name + ".html");
            for (int n = 1; n <= t.regionCount; ++n) {
                const int start = text.indexOf(QString("<div id=\"tavodiv%1\">").arg(n));
                const int end = text.indexOf(QString("</div><!-- tavodiv%1 -->").arg(n));
                for (auto it = binAsset.globalMatch(text.mid(start, end - start)); it.hasNext();)
                    regionPictures.insert(it.next().captured(1));
            }
        }
    }
    EXPECT_FALSE(regionPictures.isEmpty());
    for (const BundledTemplate& t : BundledTemplates) {
        for (const QString& picture : regionPictures) {
            EXPECT_TRUE(
                QFileInfo(TemplatesDir + QString::number(t.folder) + "/bin/" + picture).isFile())
                << t.folder << " " << picture.toStdString();
        }
    }
}

} // namespace

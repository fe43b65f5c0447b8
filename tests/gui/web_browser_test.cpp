#include "browser/web_browser.h"
#include "gui/browser_wait.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Regions 1, 2 and 4 as the page templates mark them, with region 2 inside a positioned
// container so its position needs the offset-parent chain; a second "TAVODIV1" later in the
// document, which a case-insensitive search must not prefer to the first.
const char* RegionsPage = R"(<!DOCTYPE html>
<html><head><title>regions</title></head>
<body style="margin:0">
<div id="tavodiv1" style="position:absolute; left:10px; top:20px; width:100px; height:30px"></div>
<div style="position:absolute; left:200px; top:300px; width:400px; height:400px">
  <div id="TavoDiv2" style="position:absolute; left:15px; top:25px; width:50px; height:60px"></div>
</div>
<div id="TAVODIV1" style="position:absolute; left:700px; top:700px; width:5px; height:5px"></div>
<div id="tavodiv4" style="position:absolute; left:0; top:2500px; width:300px; height:40px"></div>
</body></html>
)";

class WebBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        browser.resize(800, 600);
        browser.show();
    }
    QString write(const QString& name, const QByteArray& text) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        return path;
    }

    QTemporaryDir dir;
    WebBrowser browser;
};

TEST_F(WebBrowserTest, FindsRegionsOneTwoAndFourWithBoxesSummedUpTheOffsetParents) {
    ASSERT_TRUE(NavigateAndWait(browser, write("regions.html", RegionsPage)));
    ASSERT_EQ(browser.ReadyState(), 4);

    const auto lookups =
        browser.FindElementsById({"tavodiv1", "tavodiv2", "tavodiv3", "tavodiv4", "tavodiv5"});
    ASSERT_EQ(lookups.size(), 5u);
    for (const ElementLookup& lookup : lookups)
        EXPECT_TRUE(lookup.result.ok) << lookup.result.message.toStdString();
    ASSERT_TRUE(lookups[0].element && lookups[1].element && lookups[3].element);
    EXPECT_FALSE(lookups[2].element);
    EXPECT_FALSE(lookups[4].element);

    const ElementBox one = *lookups[0].element;
    EXPECT_EQ(std::tuple(one.Left, one.Top, one.OffsetWidth, one.OffsetHeight),
              std::tuple(10, 20, 100, 30));
    const ElementBox two = *lookups[1].element;
    EXPECT_EQ(std::tuple(two.OffsetLeft, two.OffsetTop), std::tuple(15, 25));
    EXPECT_EQ(std::tuple(two.Left, two.Top, two.OffsetWidth, two.OffsetHeight),
              std::tuple(215, 325, 50, 60));
    const ElementBox four = *lookups[3].element;
    EXPECT_EQ(std::tuple(four.Left, four.Top, four.OffsetWidth, four.OffsetHeight),
              std::tuple(0, 2500, 300, 40));

    const ElementLookup single = browser.FindElementById("TAVODIV2");
    ASSERT_TRUE(single.result.ok);
    ASSERT_TRUE(single.element);
    EXPECT_EQ(single.element->Left, 215);
}

TEST_F(WebBrowserTest, DocumentsThatCannotBeSearchedGiveTheirErrors) {
    const struct {
        const char* name;
        const char* text;
        const char* error;
    } cases[] = {
        {"picture.svg",
         R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><rect id="tavodiv1" width="5" height="5"/></svg>)",
         "Invalid HTML document"},
        {"nobody.html",
         "<!DOCTYPE html><html><body><script>document.documentElement.removeChild(document.body);"
         "</script></body></html>",
         "Can't find <body> element"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(NavigateAndWait(browser, write(c.name, c.text)));
        const ElementLookup lookup = browser.FindElementById("tavodiv1");
        EXPECT_FALSE(lookup.result.ok);
        EXPECT_EQ(lookup.result.message.toStdString(), c.error);
        EXPECT_FALSE(lookup.element);
    }
}

TEST_F(WebBrowserTest, ReportsPageHeightAndScrolls) {
    ASSERT_TRUE(NavigateAndWait(browser, write("regions.html", RegionsPage)));
    const std::optional<int> height = browser.PageHeight();
    ASSERT_TRUE(height);
    EXPECT_EQ(*height, 2540);

    EXPECT_EQ(browser.ScrollTop(), 0);
    browser.ScrollBy(0, 500);
    EXPECT_EQ(browser.ScrollTop(), 500);
    browser.ScrollBy(0, -200);
    EXPECT_EQ(browser.ScrollTop(), 300);
}

TEST_F(WebBrowserTest, SamePathIsLoadedAfreshWithItsPictures) {
    // The picture keeps its name while its content changes, as an edited page's pictures do.
    const QString picture = dir.filePath("pic.svg");
    const auto writePicture = [&](int size) {
        write("pic.svg",
              QStringLiteral(
                  R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1"></svg>)")
                  .arg(size)
                  .toUtf8());
    };
    const auto writePage = [&](const char* id) {
        return write("page.html", QByteArray("<html><body><div id=\"") + id +
                                      "\">x</div><img id=\"pic\" src=\"pic.svg\"></body></html>");
    };
    writePicture(10);
    const QString path = writePage("first");
    ASSERT_TRUE(NavigateAndWait(browser, path));
    ASSERT_TRUE(browser.FindElementById("first").element);
    EXPECT_EQ(browser.FindElementById("pic").element->OffsetWidth, 10);

    writePicture(30);
    writePage("second");
    ASSERT_TRUE(NavigateAndWait(browser, path));
    EXPECT_FALSE(browser.FindElementById("first").element);
    EXPECT_TRUE(browser.FindElementById("second").element);
    EXPECT_EQ(browser.FindElementById("pic").element->OffsetWidth, 30);
    EXPECT_EQ(QDir::cleanPath(browser.DocumentPath()), QDir::cleanPath(path));
}

TEST_F(WebBrowserTest, ReadyStateFollowsTheLoadAndAMissingFileCompletesAsFailed) {
    EXPECT_EQ(browser.ReadyState(), 0);
    QSignalSpy complete(&browser, &WebBrowser::DocumentComplete);
    browser.Navigate(write("regions.html", RegionsPage));
    EXPECT_EQ(browser.ReadyState(), 1);
    ASSERT_TRUE(complete.wait(30000));
    EXPECT_EQ(browser.ReadyState(), 4);

    EXPECT_FALSE(NavigateAndWait(browser, dir.filePath("missing.html")));
    EXPECT_EQ(browser.ReadyState(), 4);
    // Exactly one completion per load.
    QTest::qWait(200);
    EXPECT_EQ(complete.count(), 2);
}

TEST_F(WebBrowserTest, RightClicksNeverReachThePage) {
    // The page marks every press and context menu it sees by adding an element.
    const char* page = R"(<html><body style="margin:0; height:100%">
<script>
function mark(name) { var d = document.createElement('div'); d.id = name; document.body.appendChild(d); }
document.addEventListener('mousedown', function (e) { mark('pressed' + e.button); });
document.addEventListener('contextmenu', function () { mark('menu'); });
</script></body></html>)";
    ASSERT_TRUE(NavigateAndWait(browser, write("clicks.html", page)));
    QWidget* target = browser.focusProxy() ? browser.focusProxy() : &browser;

    QTest::mouseClick(target, Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(60, 60));
    // The left press shows that clicks do arrive; by then the right one would have too.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return bool(browser.FindElementById("pressed0").element); }, 10000));
    EXPECT_FALSE(browser.FindElementById("pressed2").element);
    EXPECT_FALSE(browser.FindElementById("menu").element);
}

} // namespace

#include "generator/page_head.h"
#include "generator/regions.h"

#include <gtest/gtest.h>

namespace {

const QString Page =
    QStringLiteral("<div id=\"tavodiv1\">one</div><!-- tavodiv1 -->"
                   "<div id=\"tavodiv2\"><div class=\"x\">nested</div> after</div><!-- tavodiv2 -->"
                   "<div id=\"tavodiv3\"></div><!-- tavodiv3 -->"
                   "<div id=\"tavodiv4\">four</div><!-- tavodiv4 -->"
                   "<div id=\"tavodiv5\">five</div><!-- tavodiv5 -->");

struct RegionCase {
    const char* name;
    int n;
    const char* content; // nullptr: not found
};

const RegionCase RegionCases[] = {
    {"plain", 1, "one"},
    {"nested div ends at the region's own end marker", 2, "<div class=\"x\">nested</div> after"},
    {"empty content", 3, ""},
    {"fifth region", 5, "five"},
    {"missing region", 6, nullptr},
};

TEST(Regions, ContentIsFoundBetweenTheMarkers) {
    for (const RegionCase& c : RegionCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RegionContentBounds(Page, c.n).found, c.content != nullptr);
        EXPECT_EQ(GetRegionHtml(Page, c.n), QString::fromUtf8(c.content ? c.content : ""));
    }
}

TEST(Regions, SetReplacesOnlyTheContent) {
    const QString changed = SetRegionHtml(Page, 3, QStringLiteral("<b>new</b>"));
    EXPECT_TRUE(
        changed.contains(QStringLiteral("<div id=\"tavodiv3\"><b>new</b></div><!-- tavodiv3 -->")));
    EXPECT_EQ(GetRegionHtml(changed, 2), GetRegionHtml(Page, 2));
    EXPECT_EQ(SetRegionHtml(Page, 9, QStringLiteral("x")), Page);
    // A start marker without an end marker is no region.
    const QString broken = QStringLiteral("<div id=\"tavodiv1\">open");
    EXPECT_EQ(SetRegionHtml(broken, 1, QStringLiteral("x")), broken);
}

TEST(Regions, TransplantCarriesRegionsOneToFourIntoTheTemplate) {
    const QString templ = QStringLiteral("<head>new design</head>"
                                         "<div id=\"tavodiv1\">t1</div><!-- tavodiv1 --><div "
                                         "id=\"tavodiv2\">t2</div><!-- tavodiv2 -->"
                                         "<div id=\"tavodiv3\">t3</div><!-- tavodiv3 --><div "
                                         "id=\"tavodiv4\">t4</div><!-- tavodiv4 -->"
                                         "<div id=\"tavodiv5\">t5</div><!-- tavodiv5 -->");
    const QString out = TransplantRegions(Page, templ);
    EXPECT_TRUE(out.startsWith(QStringLiteral("<head>new design</head>")));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(GetRegionHtml(out, n), GetRegionHtml(Page, n)) << n;
    EXPECT_EQ(GetRegionHtml(out, 5), QStringLiteral("t5"));

    EXPECT_TRUE(HasTransplantableRegions(Page));
    EXPECT_FALSE(HasTransplantableRegions(QStringLiteral("tavodiv1 tavodiv2 tavodiv4")));
}

struct HeadCase {
    const char* name;
    const char* html;
    TPageHead read;
};

const HeadCase HeadCases[] = {
    {"all three",
     "<title>T</title><meta name=\"description\" content=\"D\"><meta name=\"keywords\" "
     "content=\"K\">",
     {"T", "D", "K"}},
    {"empty title", "<title></title>", {"", "", ""}},
    {"other attribute order is not found",
     "<title>T</title><meta content=\"D\" name=\"description\">",
     {"T", "", ""}},
    {"no closing quote", "<meta name=\"keywords\" content=\"K", {"", "", ""}},
    {"end tag found without its >", "<title>T</title  >", {"T", "", ""}},
};

TEST(PageHead, ReadsWhatItCanFind) {
    for (const HeadCase& c : HeadCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadPageHead(QString::fromUtf8(c.html)), c.read);
    }
}

TEST(PageHead, WritesVerbatimAndLeavesMissingTagsAlone) {
    TSitePage page;
    page.WindowTitle = QStringLiteral("Fish & Chips");
    page.Description = QStringLiteral("say \"hi\" now");
    page.Keywords = QStringLiteral("a, b");
    const QString html =
        QStringLiteral("<title></title><meta name=\"description\" content=\"old\"><p>body</p>");
    const QString out = WritePageHead(html, page);
    EXPECT_EQ(out, QStringLiteral("<title>Fish & Chips</title><meta name=\"description\" "
                                  "content=\"say \"hi\" now\"><p>body</p>"));
    // The quote ends the value: only the part before it reads back, and the next write
    // replaces only that part.
    EXPECT_EQ(ReadPageHead(out).Description, QStringLiteral("say "));
    EXPECT_EQ(WritePageMeta(out, QStringLiteral("description"), QStringLiteral("x")),
              QStringLiteral("<title>Fish & Chips</title><meta name=\"description\" "
                             "content=\"x\"hi\" now\"><p>body</p>"));
    EXPECT_EQ(WritePageTitle(QStringLiteral("<p>no head</p>"), QStringLiteral("T")),
              QStringLiteral("<p>no head</p>"));
}

} // namespace

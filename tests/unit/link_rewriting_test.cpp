#include "generator/link_rewriting.h"

#include <gtest/gtest.h>

namespace {

struct RewriteCase {
    const char* name;
    QString (*rewrite)(const QString&);
    const char* in;
    const char* out;
};

const RewriteCase Cases[] = {
    {"inert: both quote kinds", MakeLinksInert, "<a href=\"x.html\"><a href='y.html'>",
     "<a href=\"#x.html\"><a href='#y.html'>"},
    {"inert: attribute in capitals comes out lower case", MakeLinksInert, "<A HREF=\"x.html\">",
     "<A href=\"#x.html\">"},
    {"inert: style sheet in the head", MakeLinksInert, "<link href=\"bin/s.css\">",
     "<link href=\"#bin/s.css\">"},
    {"real: undoes inert", MakeLinksReal, "<a href=\"#x.html\"><a href='#y'>",
     "<a href=\"x.html\"><a href='y'>"},
    {"real: a target of its own # loses it", MakeLinksReal, "<a href=\"#top\">",
     "<a href=\"top\">"},
    {"preview: home and php links", MakePreviewLinks,
     "<a href=\"./\"><a href='./'><a href=\"\"><a href=''><a href=\"about-us.php\"><a "
     "href='c.PHP'>",
     "<a href=\"index.html\"><a href='index.html'><a href=\"index.html\"><a href='index.html'>"
     "<a href=\"about-us.html\"><a href='c.html'>"},
    {"preview: parent folder link", MakePreviewLinks, "<a href=\"../\">",
     "<a href=\".index.html\">"},
};

TEST(LinkRewriting, RewriteSets) {
    for (const RewriteCase& c : Cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.rewrite(QString::fromUtf8(c.in)), QString::fromUtf8(c.out));
    }
}

TEST(LinkRewriting, RoundTripKeepsTargetsThatBeganWithHash) {
    const QString page = QStringLiteral("<a href=\"#top\">up</a><a href='page.html'>p</a>");
    EXPECT_EQ(MakeLinksInert(page),
              QStringLiteral("<a href=\"##top\">up</a><a href='#page.html'>p</a>"));
    EXPECT_EQ(MakeLinksReal(MakeLinksInert(page)), page);
}

} // namespace

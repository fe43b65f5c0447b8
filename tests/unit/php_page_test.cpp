#include "publish/php_page.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace {

const PhpPageTarget Target{QStringLiteral("http://svc.test"), QStringLiteral("mysite"), 2};

// The text between the wrapper's quotes, as PHP would read the double-quoted string.
QString phpStringValue(const QString& php) {
    const QString head = QStringLiteral("<?php\r\n\r\n$html = \"");
    const QString tail = QStringLiteral("\";\r\n\r\n?>");
    if (!php.startsWith(head) || !php.endsWith(tail))
        return QStringLiteral("<not a wrapper>");
    const QString body = php.mid(head.size(), php.size() - head.size() - tail.size());
    QString value;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] == QLatin1Char('\\') && i + 1 < body.size()) {
            value += body[++i];
            continue;
        }
        if (body[i] == QLatin1Char('"') || body[i] == QLatin1Char('$'))
            return QStringLiteral("<unescaped %1>").arg(body[i]);
        value += body[i];
    }
    return value;
}

struct PhpCase {
    const char* page;
    const char* html; // what the wrapper yields
};

TEST(PreparePhpPage, RewritesAddressesAndYieldsThePageText) {
    const PhpCase cases[] = {
        {"<a href=\"about-us.php\">", "<a href=\"/?p=about-us.php\">"},
        {"<a HREF='about-us.php'>", "<a href='/?p=about-us.php'>"},
        {"<a href=\"https://x.org\">", "<a href=\"https://x.org\">"},
        {"<a href=\"#top\">", "<a href=\"/?p=#top\">"},
        {"<a href=\"mailto:a@b.c\">", "<a href=\"mailto:a@b.c\">"},
        {"<a href=\"ftpsite.php\">", "<a href=\"ftpsite.php\">"},
        {"<img src=\"bin/x.png\"> cgi-bin/ BIN/",
         "<img src=\"http://svc.test/zeb/templates/3/bin/x.png\"> "
         "cgi-http://svc.test/zeb/templates/3/bin/ BIN/"},
        {"<img src=\"TAVO_IMG1.jpg\">",
         "<img src=\"http://svc.test/tavosites/mysite/tavo_img1.jpg\">"},
        {"price: $5 {$x} ${y} \\n \\\\ \"q\" '<?php echo 1; ?>'",
         "price: $5 {$x} ${y} \\n \\\\ \"q\" '<?php echo 1; ?>'"},
    };
    for (const PhpCase& c : cases) {
        const QString php = PreparePhpPage(QString::fromUtf8(c.page), true, Target);
        EXPECT_EQ(phpStringValue(php), QString::fromUtf8(c.html)) << c.page;
    }
}

TEST(PreparePhpPage, LeavesPicturesAloneWithoutImageRewriting) {
    const QString php = PreparePhpPage(QStringLiteral("tavo_img1.jpg\r\n"), false, Target);
    EXPECT_EQ(php, QStringLiteral("<?php\r\n\r\n$html = \"tavo_img1.jpg\r\n\";\r\n\r\n?>"));
}

} // namespace

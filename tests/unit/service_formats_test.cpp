#include "service/account_reply.h"
#include "service/password_strength.h"
#include "service/service_config.h"
#include "service/service_request.h"
#include "service/service_urls.h"
#include "site/site_state.h"

#include "support/qt_print.h"
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    QByteArray in;
    QByteArray out;
};

TEST(EncodeQueryValue, KeepsUnreservedAndEscapesEverythingElse) {
    const EncodeCase cases[] = {
        {"a b&c/d", "a+b%26c%2Fd"},
        {"~", "%7E"},
        {"|", "%7C"},
        {"@$!'()*-._", "@$!'()*-._"},
        {"AZaz09", "AZaz09"},
        {QByteArray("\xE9", 1), "%E9"},
        {QByteArray("\x00\x1F", 2), "%00%1F"},
        {"p#w=1?%", "p%23w%3D1%3F%25"},
        {"", ""},
    };
    for (const EncodeCase& c : cases)
        EXPECT_EQ(EncodeQueryValue(c.in), c.out) << c.in.toStdString();
}

TEST(QueryValue, ConvertsToTheCodePageFirst) {
    EXPECT_EQ(QueryValue(QStringLiteral("Café €")), QStringLiteral("Caf%E9+%80"));
    // A character the code page lacks becomes "?", which is then escaped.
    EXPECT_EQ(QueryValue(QStringLiteral("\u4E2D")), QStringLiteral("%3F"));
}

TEST(ServiceUrls, EveryValueIsEncodedAndParametersKeepTheirOrder) {
    ServiceConfig config;
    config.ServiceBaseUrl = QStringLiteral("http://svc.test");
    EXPECT_EQ(LoginUrl(config, QStringLiteral("me@x.org "), QStringLiteral("a&b#c")),
              QStringLiteral("http://svc.test/zeb/login.php?email=me@x.org+&password=a%26b%23c"));
    EXPECT_EQ(ChangeUnixUrl(config, QStringLiteral("old"), QStringLiteral("new")),
              QStringLiteral("http://svc.test/zeb/changeunix.php?oldid=old&newid=new"));

    TAccount a;
    a.FirstName = QStringLiteral("Jo");
    a.UnixName = QStringLiteral("site");
    a.FtpPort = 21;
    a.HostingPackage = QStringLiteral("gold");
    a.TavoSiteStatus = true;
    EXPECT_EQ(UpdateAccUrl(config, a),
              QStringLiteral("http://svc.test/zeb/updateacc.php?fname=Jo&lname=&email=&password=&"
                             "unixname=site&tavositestatus=enable&oldid=site&domain=&ftphost=&"
                             "ftpusername=&ftppassword=&ftpport=21&ftppath=&hostingpackage=gold"));
    EXPECT_EQ(
        UpdatePagesUrl(config, QStringLiteral("site"), QStringLiteral("a/////b|||||")),
        QStringLiteral(
            "http://svc.test/zeb/updatepages.php?id=site&pages=a%2F%2F%2F%2F%2Fb%7C%7C%7C%7C%7C"));
}

TSitePage samplePage() {
    TSitePage page;
    page.FileName = QStringLiteral("about-us");
    page.Label_ = QStringLiteral("About Us");
    page.WindowTitle = QStringLiteral("About");
    page.Description = QStringLiteral("desc");
    page.Keywords = QStringLiteral("k1, k2");
    page.Text6 = QStringLiteral("six");
    page.ShowInMenu = true;
    page.IsHomePage = true;
    page.Changed = false;
    return page;
}

TEST(PageRecordText, FifteenFieldsWithTheirTerminators) {
    EXPECT_EQ(PageRecordText(samplePage(), QStringLiteral("about-us")),
              QStringLiteral("about-us/////About Us/////About/////desc/////k1, k2/////"
                             "//////////////////////////////six/////true/////true/////false|||||"));
}

TEST(AccountReply, RoundTripsAccountAndPages) {
    AccountReply reply;
    reply.Password = QStringLiteral("pw");
    reply.Email = QStringLiteral("me@x.org");
    reply.UnixName = QStringLiteral("mysite");
    reply.FtpPort = QStringLiteral("2121");
    reply.HostingPackage = QStringLiteral("gold");
    TSitePage second = samplePage();
    second.FileName = QStringLiteral("index");
    second.Changed = true;
    reply.Pages = {samplePage(), second};

    const AccountReply parsed = ParseAccountReply(AccountReplyText(reply));
    EXPECT_EQ(parsed.UnixName, QStringLiteral("mysite"));
    EXPECT_EQ(parsed.HostingPackage, QStringLiteral("gold"));
    ASSERT_EQ(parsed.Pages.size(), 2);
    EXPECT_EQ(parsed.Pages[0], samplePage());
    EXPECT_EQ(parsed.Pages[1], second);

    TAccount account;
    account.FtpPort = 7;
    ApplyAccountReply(parsed, account);
    EXPECT_EQ(account.FtpPort, 2121);
    EXPECT_EQ(account.Email, QStringLiteral("me@x.org"));
}

TEST(AccountReply, OddRepliesFollowTheTerminators) {
    // Twelve fields and no page record: a site without pages.
    const QString bare = QStringLiteral("pw") + QStringLiteral("|||||").repeated(12);
    EXPECT_TRUE(ParseAccountReply(bare).Pages.isEmpty());

    // A port that is not all digits keeps the old one; booleans are true only as "true".
    AccountReply reply;
    reply.FtpPort = QStringLiteral("21a");
    TSitePage page;
    page.FileName = QStringLiteral("p");
    QString text = AccountReplyText(reply) + PageRecordText(page, QStringLiteral("p"));
    text.replace(QStringLiteral("/////false/////false/////false|||||"),
                 QStringLiteral("/////TRUE/////yes/////true|||||trailing"));
    const AccountReply parsed = ParseAccountReply(text);
    ASSERT_EQ(parsed.Pages.size(), 1);
    EXPECT_FALSE(parsed.Pages[0].ShowInMenu);
    EXPECT_FALSE(parsed.Pages[0].IsHomePage);
    EXPECT_TRUE(parsed.Pages[0].Changed);
    TAccount account;
    account.FtpPort = 25;
    ApplyAccountReply(parsed, account);
    EXPECT_EQ(account.FtpPort, 25);

    // A field holding a terminator splits the record where it stands.
    TSitePage split;
    split.Label_ = QStringLiteral("a/////b");
    const AccountReply splitParsed = ParseAccountReply(AccountReplyText(AccountReply{}) +
                                                       PageRecordText(split, QStringLiteral("x")));
    ASSERT_EQ(splitParsed.Pages.size(), 1);
    EXPECT_EQ(splitParsed.Pages[0].Label_, QStringLiteral("a"));
    EXPECT_EQ(splitParsed.Pages[0].WindowTitle, QStringLiteral("b"));
}

TEST(PageListText, TakesFileNamesFromThePageSelector) {
    SiteState state;
    state.PageSelector = {QStringLiteral("index"), QStringLiteral("about-us")};
    state.Pages[0] = samplePage();
    state.Pages[0].FileName = QStringLiteral("stale");
    state.Pages[1] = samplePage();
    const QString list = PageListText(state);
    EXPECT_TRUE(list.startsWith(QStringLiteral("index/////About Us")));
    EXPECT_EQ(list.count(QStringLiteral("|||||")), 2);
}

struct StrengthCase {
    const char16_t* password;
    const char* rating;
    QColor colour;
};

TEST(PasswordStrength, RatesByLengthAndKindsOfCharacters) {
    const QColor red(255, 0, 0), orange(255, 128, 0), green(0, 128, 0);
    const StrengthCase cases[] = {
        {u"abcd", "Too Short", red},       {u"abcde", "Weak", red},
        {u"abcdefghij", "Medium", orange}, {u"abc12", "Medium", orange},
        {u"abcdefgh12", "Strong", green},  {u"ab1!c", "Strong", green},
        {u"!!!!!", "Weak", red},           {u"     ", "Very Weak", red},
        {u"ééééé", "Very Weak", red},      {u"", "Too Short", red},
        {u"~~~~~~~~~~", "Medium", orange},
    };
    for (const StrengthCase& c : cases) {
        const PasswordRating rating = PasswordStrength(QString::fromUtf16(c.password));
        EXPECT_EQ(rating.text, QLatin1String(c.rating))
            << QString::fromUtf16(c.password).toStdString();
        EXPECT_EQ(rating.colour, c.colour) << QString::fromUtf16(c.password).toStdString();
    }
}

TEST(ServiceConfig, ReadsTheServiceSectionVerbatim) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; comment\n[other]\nServiceBaseUrl=wrong\n[service]\n"
               "ServiceBaseUrl = http://svc.test/\nServiceFtpPort=2121\n"
               "ServiceFtpPassword=a,b;c=d\nServiceFtpPlaceholderPassword=\"q r\"\n");
    file.close();
    ServiceConfig config;
    ASSERT_TRUE(LoadServiceConfig(path, config));
    EXPECT_EQ(config.ServiceBaseUrl, QStringLiteral("http://svc.test"));
    EXPECT_EQ(config.ServiceFtpPort, 2121);
    EXPECT_EQ(config.ServiceFtpPassword, QStringLiteral("a,b;c=d"));
    EXPECT_EQ(config.ServiceFtpPlaceholderPassword, QStringLiteral("q r"));
    EXPECT_EQ(config.ServiceFtpUser, QStringLiteral("zorvacom"));

    ServiceConfig missing;
    EXPECT_FALSE(LoadServiceConfig(dir.filePath(QStringLiteral("none.ini")), missing));
}

TEST(ServiceConfig, ShippedFileHoldsTheServiceFtpAccount) {
    ServiceConfig config;
    ASSERT_TRUE(LoadServiceConfig(QStringLiteral(TAVO_SOURCE_DIR "/data/service.ini"), config));
    EXPECT_EQ(config.ServiceFtpUser, QStringLiteral("zorvacom"));
    EXPECT_EQ(config.ServiceFtpPassword, QStringLiteral("H3d>?Tq5mz"));
    EXPECT_EQ(config.ServiceFtpPlaceholderPassword, QStringLiteral("r8k2WqNvc"));
    EXPECT_EQ(config.ServiceFtpPort, 21);
    EXPECT_FALSE(config.ServiceBaseUrl.isEmpty());
}

} // namespace

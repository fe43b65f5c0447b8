#include "publish/image_asset_loop.h"
#include "publish/own_server_upload.h"
#include "publish/publish_run.h"
#include "publish/upload_report.h"

#include "support/qt_print.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ImageAssetLoop, StopsAtTheFirstGapInTextOrFolder) {
    QTemporaryDir dir;
    const QString work = dir.path() + QLatin1Char('/');
    for (const char* name : {"tavo_img1.jpg", "tavo_img2.jpg", "tavo_img3.jpg", "tavo_img5.jpg"}) {
        QFile file(work + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const auto scan = [&](const QString& text) {
        QStringList names;
        ImageAssetLoop(text, work, [&](const QString& name) { names << name; });
        return names;
    };
    EXPECT_EQ(scan(QStringLiteral("x tavo_img1.jpg tavo_img3.jpg")),
              QStringList{QStringLiteral("tavo_img1.jpg")});
    EXPECT_EQ(scan(QStringLiteral("x tavo_img2.jpg tavo_img1.jpg tavo_img3.jpg tavo_img5.jpg")),
              (QStringList{QStringLiteral("tavo_img1.jpg"), QStringLiteral("tavo_img2.jpg"),
                           QStringLiteral("tavo_img3.jpg")}));
    // A reference in the very first character does not count.
    EXPECT_TRUE(scan(QStringLiteral("tavo_img1.jpg")).isEmpty());
    EXPECT_TRUE(scan(QStringLiteral("x tavo_img2.jpg")).isEmpty());
}

TEST(ImageAssetLoop, SendsTheDefaultPictureOnlyWhenAPageShowsIt) {
    QTemporaryDir dir;
    const QString work = dir.path() + QLatin1Char('/');
    for (const char* name : {"img.jpg", "tavo_img1.jpg"}) {
        QFile file(work + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const auto scan = [&](const QString& text) {
        QStringList names;
        ImageAssetLoop(text, work, [&](const QString& name) { names << name; });
        return names.join(QLatin1Char(' '));
    };
    const std::pair<const char*, const char*> cases[] = {
        {R"(<img src="img.jpg">)", "img.jpg"},
        {R"(<img src="img.jpg"> <img src="tavo_img1.jpg">)", "img.jpg tavo_img1.jpg"},
        {R"(<img src="bin/hero-img.jpg"> x tavo_img1.jpg)", "tavo_img1.jpg"},
        {R"(<img src="bin/heroimg.jpg">)", ""},
        {"no pictures", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(scan(QString::fromUtf8(text)), QLatin1String(expected)) << text;

    QFile::remove(work + QStringLiteral("img.jpg"));
    EXPECT_EQ(scan(QStringLiteral(R"(<img src="img.jpg">)")), QString());
}

struct FtpCheckCase {
    const char16_t* host;
    const char16_t* user;
    const char16_t* password;
    const char16_t* folder;
    OwnFtpField refused;
    const char16_t* normalised;
};

TEST(CheckOwnFtpSettings, RefusesTheFirstBadBoxAndNormalisesTheFolder) {
    const FtpCheckCase cases[] = {
        {u"ftp.example.com", u"u", u"p", u"www", OwnFtpField::None, u"/www/"},
        {u"10.0.0.1", u"u", u"p", u"\\httpdocs\\", OwnFtpField::None, u"/httpdocs/"},
        {u"ftp.example.com", u"u", u"p", u"/", OwnFtpField::None, u"/"},
        {u"ftp.example.com", u"u", u"p", u"", OwnFtpField::None, u"/"},
        {u"ftp.example.com", u"u", u"p", u"   ", OwnFtpField::None, u"/"},
        {u"ftp.example.com", u"u", u"p", u" www ", OwnFtpField::None, u"/ www /"},
        {u"localhost", u"u", u"p", u"www", OwnFtpField::Host, u"www"},
        {u"  ", u"u", u"p", u"www", OwnFtpField::Host, u"www"},
        {u"a.b", u" ", u"p", u"www", OwnFtpField::User, u"www"},
        {u"a.b", u"u", u"  ", u"www", OwnFtpField::Password, u"www"},
    };
    for (const FtpCheckCase& c : cases) {
        TOwnFtpSettings s{QString::fromUtf16(c.host), QString::fromUtf16(c.user),
                          QString::fromUtf16(c.password), QString::fromUtf16(c.folder), 21};
        EXPECT_EQ(CheckOwnFtpSettings(s), c.refused) << s.FTPHost.toStdString();
        EXPECT_EQ(s.FTPDirectory, QString::fromUtf16(c.normalised)) << s.FTPHost.toStdString();
    }
}

TEST(StaticPageText, TurnsPhpLinksIntoHtmlInAnyCase) {
    EXPECT_EQ(StaticPageText(QStringLiteral("<a href=\"about-us.PHP\">see index.php</a>")),
              QStringLiteral("<a href=\"about-us.html\">see index.html</a>"));
}

TEST(PublishedAddressLine, FollowsTheTier) {
    ServiceConfig config;
    config.SiteDomain = QStringLiteral("sites.test");
    SiteState state;
    state.Account.UnixName = QStringLiteral("mysite");
    EXPECT_EQ(PublishedAddressLine(state, config), QStringLiteral("mysite.sites.test"));

    state.Account.HostingPackage = QStringLiteral("silver");
    EXPECT_EQ(PublishedAddressLine(state, config), std::nullopt);

    state.Account.HostingPackage = QStringLiteral("gold");
    const std::pair<const char*, const char*> hosts[] = {{"ftp.example.com", "example.com"},
                                                         {"FTP.Example.com", "Example.com"},
                                                         {"myftp.example.com", "example.com"},
                                                         {"example.com", "To your custom domain."}};
    for (const auto& [host, line] : hosts) {
        state.OwnFtpSettings.FTPHost = QLatin1String(host);
        bool icon = false;
        EXPECT_EQ(PublishedAddressLine(state, config, &icon), QLatin1String(line));
        EXPECT_EQ(icon, QLatin1String(host) != QLatin1String("example.com"));
    }
}

TEST(UploadReport, NamesWhatFailedAndBlamesTheNetworkOnlyWhenItIs) {
    UploadReport login;
    login.add({FtpProblem::Kind::LoginRefused, QStringLiteral("h.test"), false, true});
    EXPECT_EQ(login.message(), QStringLiteral("There was a problem publishing your site: the FTP "
                                              "server h.test refused the user name or password."));
    UploadReport puts;
    puts.missingPage(QStringLiteral("about"));
    puts.add({FtpProblem::Kind::PutFailed, QStringLiteral("index.html.php"), true, false});
    EXPECT_FALSE(puts.ok());
    EXPECT_EQ(puts.message(),
              QStringLiteral("There was a problem publishing your site: the page file about.html "
                             "is missing; index.html.php could not be uploaded. Please check "
                             "your internet connection."));
    EXPECT_TRUE(UploadReport().ok());
}

} // namespace

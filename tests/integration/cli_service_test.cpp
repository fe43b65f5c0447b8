#include "service/account_reply.h"
#include "support/local_servers.h"
#include "support/qt_print.h"
#include "support/temp_home.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// The tavo command against the local service and FTP server, end to end.
class CliService : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(http.start());
        ASSERT_TRUE(ftp.start());
        configFile = WriteServiceConfig(home.path(), http, ftp.port(), ftp.user(), ftp.password(),
                                        ftp.password());
        AccountReply reply;
        reply.Password = QStringLiteral("pw");
        reply.Email = QStringLiteral("ann@x.test");
        reply.UnixName = QStringLiteral("mysite");
        reply.HostingPackage = QStringLiteral("basic");
        for (const char* name : {"index", "about-us", "menu"}) {
            TSitePage page;
            page.FileName = page.Label_ = QLatin1String(name);
            page.ShowInMenu = true;
            page.Changed = true;
            reply.Pages << page;
            http.setFile(QStringLiteral("mysite/%1.html").arg(page.FileName),
                         "<p>" + QByteArray(name) + " costs $5</p>\r\n");
        }
        http.setReply(QStringLiteral("login.php"), AccountReplyText(reply).toLatin1());
        http.setReply(QStringLiteral("updatepages.php"), "ok");
        http.setReply(QStringLiteral("emailpassword.php"), "done");
        http.setReply(QStringLiteral("changeunix.php"), "{{newid}}");
        http.setReply(QStringLiteral("updateacc.php"), "{{unixname}}");
    }

    ProcessResult tavo(QStringList args, const QByteArray& input = {}) {
        return RunTavo(home, QStringList{QStringLiteral("--service-config"), configFile} + args,
                       input);
    }

    QList<bool> storedChanged() {
        const ProcessResult status = tavo({QStringLiteral("status"), QStringLiteral("--json")});
        QList<bool> flags;
        for (const QJsonValue page :
             QJsonDocument::fromJson(status.out).object()["pages"].toArray())
            flags << page.toObject()["Changed"].toBool();
        return flags;
    }

    const QStringList publishArgs{
        QStringLiteral("publish"), QStringLiteral("--host"), QStringLiteral("ftp.unused.test"),
        QStringLiteral("--user"),  QStringLiteral("u"),      QStringLiteral("--password"),
        QStringLiteral("p")};

    TempHome home;
    HttpService http;
    FtpServer ftp;
    QString configFile;
};

TEST_F(CliService, LoginThenPublishPutsTheSiteUpAndADeadServerKeepsItChanged) {
    const ProcessResult login =
        tavo({QStringLiteral("login"), QStringLiteral("ann@x.test")}, "pw\n");
    ASSERT_EQ(login.exitCode, 0) << login.err.toStdString();
    EXPECT_EQ(storedChanged(), (QList<bool>{true, true, true}));

    ftp.stop();
    const ProcessResult down = tavo(publishArgs);
    EXPECT_EQ(down.exitCode, 1);
    EXPECT_EQ(down.err, "There was a problem publishing your site: the FTP server 127.0.0.1 could "
                        "not be reached. Please check your internet connection.\n");
    EXPECT_EQ(storedChanged(), (QList<bool>{true, true, true}));

    ASSERT_TRUE(ftp.start());
    const ProcessResult up = tavo(publishArgs);
    ASSERT_EQ(up.exitCode, 0) << up.err.toStdString();
    EXPECT_EQ(ftp.files(), (QStringList{QStringLiteral("tavosites/mysite/about-us.html.php"),
                                        QStringLiteral("tavosites/mysite/index.html.php"),
                                        QStringLiteral("tavosites/mysite/menu.html.php")}));
    EXPECT_TRUE(ftp.file(QStringLiteral("tavosites/mysite/menu.html.php")).contains("costs \\$5"));
    EXPECT_EQ(storedChanged(), (QList<bool>{false, false, false}));
}

TEST_F(CliService, GoldPublishesToTheGivenServerAndFolder) {
    // The tier comes from the service at login; make this site "gold".
    AccountReply gold;
    gold.UnixName = QStringLiteral("mysite");
    gold.HostingPackage = QStringLiteral("gold");
    TSitePage page;
    page.FileName = QStringLiteral("index");
    gold.Pages << page;
    http.setReply(QStringLiteral("login.php"), AccountReplyText(gold).toLatin1());
    ASSERT_EQ(tavo({QStringLiteral("login"), QStringLiteral("ann@x.test")}, "pw\n").exitCode, 0);

    const ProcessResult published =
        tavo({QStringLiteral("publish"), QStringLiteral("--host"), QStringLiteral("127.0.0.1"),
              QStringLiteral("--user"), ftp.user(), QStringLiteral("--password"), ftp.password(),
              QStringLiteral("--port"), QString::number(ftp.port()), QStringLiteral("--directory"),
              QStringLiteral("\\site\\www")});
    ASSERT_EQ(published.exitCode, 0) << published.err.toStdString();
    EXPECT_TRUE(ftp.files().contains(QStringLiteral("site/www/index.html")));
    // The design's shared assets went along.
    EXPECT_FALSE(ftp.files().filter(QStringLiteral("site/www/bin/")).isEmpty());
    const ProcessResult status = tavo({QStringLiteral("status"), QStringLiteral("--json")});
    EXPECT_EQ(QJsonDocument::fromJson(status.out).object()["ownFtp"].toObject()["FTPDirectory"],
              QStringLiteral("/site/www/"));
}

TEST_F(CliService, RefusalsAndUsage) {
    struct Case {
        QStringList args;
        QByteArray input;
        int exitCode;
        QByteArray err;
    };
    http.setReply(QStringLiteral("emailpassword.php"), "nope");
    const Case cases[] = {
        {{"login", "ann@x.test"}, "  \n", 1, "You must enter a password.\n"},
        {{"login", " "}, "pw\n", 1, "Please Enter Your Email Address.\n"},
        {{"password-mail", "ann@x.test"},
         {},
         1,
         "There was a problem sending your password. Please check your internet connection.\n"},
        {{"publish", "--port", "http"}, {}, 2, {}},
        {{"password-strength"}, {}, 2, {}},
    };
    for (const Case& c : cases) {
        const ProcessResult result = tavo(c.args, c.input);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        if (!c.err.isEmpty()) {
            EXPECT_EQ(result.err, c.err) << c.args.join(' ').toStdString();
        }
    }

    http.setReply(QStringLiteral("login.php"), "short");
    const ProcessResult refused = tavo({QStringLiteral("login"), QStringLiteral("a@b.c")}, "pw\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "The login details you entered are incorrect. Please try again.\n");

    const ProcessResult missingConfig = RunTavo(
        home, {QStringLiteral("--service-config"), home.path() + QStringLiteral("/none.ini"),
               QStringLiteral("password-mail"), QStringLiteral("a@b.c")});
    EXPECT_EQ(missingConfig.exitCode, 1);
}

TEST_F(CliService, AccountExportAndPasswordCommands) {
    ASSERT_EQ(tavo({QStringLiteral("login"), QStringLiteral("ann@x.test")}, "pw\n").exitCode, 0);

    const ProcessResult saved =
        tavo({QStringLiteral("account"), QStringLiteral("save"), QStringLiteral("--site-url"),
              QStringLiteral("My Site!"), QStringLiteral("--password"), QStringLiteral("n&w"),
              QStringLiteral("--enable")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_EQ(saved.out, "Your account's  information was successfully saved.\n");
    const QString update = http.requestsTo(QStringLiteral("updateacc.php")).value(0);
    EXPECT_EQ(HttpService::queryValue(update, QStringLiteral("unixname")),
              QStringLiteral("My-Site"));
    EXPECT_EQ(HttpService::queryValue(update, QStringLiteral("password")), QStringLiteral("n&w"));

    const ProcessResult mismatch =
        tavo({QStringLiteral("account"), QStringLiteral("save"), QStringLiteral("--password"),
              QStringLiteral("a"), QStringLiteral("--confirm"), QStringLiteral("b")});
    EXPECT_EQ(mismatch.exitCode, 1);

    const ProcessResult invalid =
        tavo({QStringLiteral("publish"), QStringLiteral("--host"), QStringLiteral("localhost"),
              QStringLiteral("--user"), QStringLiteral("u"), QStringLiteral("--password"),
              QStringLiteral("p")});
    EXPECT_EQ(invalid.exitCode, 1);
    EXPECT_EQ(invalid.err, "Invalid. Please try again.\n");

    const QString folder = home.path() + QStringLiteral("/export");
    const ProcessResult exported = tavo({QStringLiteral("export"), folder});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out, "Done Exporting.\n");
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/about-us.html")));

    EXPECT_EQ(tavo({QStringLiteral("password-mail"), QStringLiteral("ann@x.test")}).out,
              "Your password has been sent to ann@x.test.\n");
    EXPECT_EQ(tavo({QStringLiteral("password-strength"), QStringLiteral("abc12")}).out, "Medium\n");
}

} // namespace

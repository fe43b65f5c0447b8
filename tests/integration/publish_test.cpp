#include "publish/export_site.h"
#include "publish/publish_run.h"
#include "service/account_reply.h"
#include "site/settings_store.h"
#include "support/local_servers.h"
#include "support/qt_print.h"
#include "support/site_fixture.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Pages whose text must come back from the PHP wrapper byte for byte.
const QByteArray TrickyPage = "<html><body>\r\n"
                              "<p>Price: $5, {$x} ${y} $html</p>\r\n"
                              "<p>C:\\path\\new \\\\ \\n \\\" \\$</p>\r\n"
                              "<p>\"quoted\" 'single' <?php echo 'run'; ?> ?></p>\r\n"
                              "<img src=\"tavo_img2.jpg\">\r\n"
                              "</body></html>\r\n";
const QByteArray HomePage =
    "<html><body><img src=\"tavo_img1.jpg\"><p>caf\xE9</p></body></html>\r\n";
// Still shows the design's default picture next to one of its own.
const QByteArray QuietPage =
    "<html><body><img src=\"img.jpg\"><img src=\"tavo_img3.jpg\"></body></html>\r\n";

class Publish : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ftp.start());
        ASSERT_TRUE(http.start());
        http.setReply(QStringLiteral("updatepages.php"), "ok");
        http.setReply(QStringLiteral("newunix.php"), "{{id}}");
        config = LocalServiceConfig(http, ftp);

        state.Account.UnixName = QStringLiteral("mysite");
        state.Account.UnixCreated = true;
        QDir().mkpath(folders.WorkDir());
        AddSitePage(state, folders, QStringLiteral("index"), HomePage, true);
        AddSitePage(state, folders, QStringLiteral("tricky"), TrickyPage, true);
        AddSitePage(state, folders, QStringLiteral("quiet"), QuietPage, false);
        for (const char* image : {"img.jpg", "tavo_img1.jpg", "tavo_img2.jpg", "tavo_img3.jpg"})
            WriteWorkFile(folders, QLatin1String(image), QByteArray("JPEG ") + image);
        WriteWorkFile(folders, QStringLiteral("bin/style.css"), "body{}");
        SaveAccount(state, folders);
        SavePages(state, folders);
    }

    // The design template of a "gold" run, in an installation folder of the test's own.
    void installTemplate() {
        const QString bin = home.path() + QStringLiteral("/install/templates/1/bin/");
        QDir().mkpath(bin + QStringLiteral("sub"));
        QFile index(home.path() + QStringLiteral("/install/templates/1/index.html"));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        for (const char* name : {"style.css", "logo.png", "sub/inner.css"}) {
            QFile file(bin + QLatin1String(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
        folders.appDataDir = home.path() + QStringLiteral("/install/");
    }

    void useOwnServer(const QString& password) {
        state.Account.HostingPackage = QStringLiteral("gold");
        state.OwnFtpSettings = {QStringLiteral("127.0.0.1"), ftp.user(), password,
                                QStringLiteral("/www/"), ftp.port()};
    }

    // What PHP makes of an uploaded wrapper: the value of $html.
    static QByteArray runPhp(const QString& path) {
        QProcess php;
        php.start(QStringLiteral("php"),
                  {QStringLiteral("-r"), QStringLiteral("include $argv[1]; echo $html;"), path});
        php.waitForFinished(20000);
        return php.readAllStandardOutput();
    }

    QList<bool> changedFlags(const SiteState& s) const {
        QList<bool> flags;
        for (int i = 0; i < s.pageCount(); ++i)
            flags << s.Pages[i].Changed;
        return flags;
    }
    QList<bool> storedChangedFlags() const {
        SiteState stored;
        LoadAccount(stored, folders);
        LoadSite(stored, folders);
        return changedFlags(stored);
    }

    TempHome home;
    Folders folders = home.folders();
    FtpServer ftp;
    HttpService http;
    ServiceConfig config;
    SiteState state;
};

TEST_F(Publish, BasicSendsChangedPagesAsPhpWithTheirPictures) {
    const PublishOutcome result = PublishRun(state, folders, config);
    ASSERT_TRUE(result.outcome.ok) << result.outcome.message.toStdString();
    EXPECT_EQ(result.outcome.next, ServiceOutcome::Next::PublishedPanel);
    EXPECT_EQ(result.addressLine, QStringLiteral("mysite.sites.test"));
    EXPECT_EQ(result.connectionsOpened, 1);
    EXPECT_EQ(result.filesPut, 4);

    EXPECT_EQ(ftp.files(), (QStringList{QStringLiteral("tavosites/mysite/index.html.php"),
                                        QStringLiteral("tavosites/mysite/tavo_img1.jpg"),
                                        QStringLiteral("tavosites/mysite/tavo_img2.jpg"),
                                        QStringLiteral("tavosites/mysite/tricky.html.php")}));
    EXPECT_EQ(ftp.connectionCount(), 1);
    EXPECT_EQ(ftp.file(QStringLiteral("tavosites/mysite/tavo_img2.jpg")), "JPEG tavo_img2.jpg");

    const QString site = ftp.root() + QStringLiteral("tavosites/mysite/");
    QByteArray trickyHtml = TrickyPage;
    trickyHtml.replace("tavo_img2",
                       (http.baseUrl() + QStringLiteral("/tavosites/mysite/tavo_img2")).toLatin1());
    EXPECT_EQ(runPhp(site + QStringLiteral("tricky.html.php")), trickyHtml);
    QByteArray homeHtml = HomePage;
    homeHtml.replace("tavo_img1",
                     (http.baseUrl() + QStringLiteral("/tavosites/mysite/tavo_img1")).toLatin1());
    EXPECT_EQ(runPhp(site + QStringLiteral("index.html.php")), homeHtml);

    EXPECT_EQ(changedFlags(state), (QList<bool>{false, false, false}));
    EXPECT_EQ(storedChangedFlags(), (QList<bool>{false, false, false}));

    // The page list went to the service as the pages stood before the upload.
    const QStringList sent = http.requestsTo(QStringLiteral("updatepages.php"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(HttpService::queryValue(sent[0], QStringLiteral("id")), QStringLiteral("mysite"));
    SiteState before = state;
    before.Pages[0].Changed = before.Pages[1].Changed = true;
    EXPECT_EQ(HttpService::queryValue(sent[0], QStringLiteral("pages")), PageListText(before));
}

TEST_F(Publish, FirstRunCreatesTheAddressBeforeSendingThePages) {
    state.Account.UnixCreated = false;
    http.setReply(QStringLiteral("newunix.php"), "mysite2");
    const PublishOutcome result = PublishRun(state, folders, config);
    ASSERT_TRUE(result.outcome.ok) << result.outcome.message.toStdString();
    EXPECT_EQ(state.Account.UnixName, QStringLiteral("mysite2"));
    EXPECT_TRUE(state.Account.UnixCreated);
    EXPECT_TRUE(ftp.files().contains(QStringLiteral("tavosites/mysite2/index.html.php")));
    EXPECT_EQ(HttpService::queryValue(http.requestsTo(QStringLiteral("updatepages.php")).value(0),
                                      QStringLiteral("id")),
              QStringLiteral("mysite2"));
}

TEST_F(Publish, GoldSendsEverythingToTheOwnServerFolder) {
    installTemplate();
    useOwnServer(ftp.password());
    const PublishOutcome result = PublishRun(state, folders, config);
    ASSERT_TRUE(result.outcome.ok) << result.outcome.message.toStdString();
    EXPECT_EQ(result.addressLine, QStringLiteral("To your custom domain."));
    EXPECT_EQ(ftp.files(),
              (QStringList{QStringLiteral("www/bin/logo.png"), QStringLiteral("www/bin/style.css"),
                           QStringLiteral("www/img.jpg"), QStringLiteral("www/index.html"),
                           QStringLiteral("www/quiet.html"), QStringLiteral("www/tavo_img1.jpg"),
                           QStringLiteral("www/tavo_img2.jpg"), QStringLiteral("www/tavo_img3.jpg"),
                           QStringLiteral("www/tricky.html")}));
    EXPECT_EQ(ftp.connectionCount(), 1);
    // Plain HTML: no wrapping, no escaping (the page file is written back with one more line
    // end, as every page file is).
    EXPECT_EQ(ftp.file(QStringLiteral("www/tricky.html")), TrickyPage + "\r\n");
    EXPECT_EQ(storedChangedFlags(), (QList<bool>{false, false, false}));
}

TEST_F(Publish, SilverSendsOnlyThePageList) {
    state.Account.HostingPackage = QStringLiteral("silver");
    const PublishOutcome result = PublishRun(state, folders, config);
    ASSERT_TRUE(result.outcome.ok);
    EXPECT_EQ(result.outcome.next, ServiceOutcome::Next::PublishedPanel);
    EXPECT_EQ(result.addressLine, std::nullopt);
    EXPECT_TRUE(ftp.files().isEmpty());
    EXPECT_EQ(ftp.connectionCount(), 0);
    EXPECT_EQ(http.requestsTo(QStringLiteral("updatepages.php")).size(), 1);
    EXPECT_EQ(changedFlags(state), (QList<bool>{true, true, false}));
}

TEST_F(Publish, AServerThatIsDownOrRefusesThePasswordIsReportedAndKeepsTheFlags) {
    useOwnServer(QStringLiteral("wrong"));
    PublishOutcome refused = PublishRun(state, folders, config);
    EXPECT_FALSE(refused.outcome.ok);
    EXPECT_EQ(refused.outcome.kind, ServiceOutcome::Message::Error);
    EXPECT_EQ(refused.outcome.next, ServiceOutcome::Next::Stay);
    EXPECT_EQ(refused.outcome.message,
              QStringLiteral("There was a problem publishing your site: the FTP server 127.0.0.1 "
                             "refused the user name or password."));
    EXPECT_EQ(changedFlags(state), (QList<bool>{true, true, false}));

    state.Account.HostingPackage = QStringLiteral("basic");
    ftp.stop();
    const PublishOutcome down = PublishRun(state, folders, config);
    EXPECT_FALSE(down.outcome.ok);
    EXPECT_EQ(down.outcome.message,
              QStringLiteral("There was a problem publishing your site: the FTP server 127.0.0.1 "
                             "could not be reached. Please check your internet connection."));
    EXPECT_EQ(changedFlags(state), (QList<bool>{true, true, false}));
    EXPECT_EQ(storedChangedFlags(), (QList<bool>{true, true, false}));
}

TEST_F(Publish, AServerThatNeverAnswersEndsTheRunWithAMessage) {
    const SilentServer silent;
    useOwnServer(ftp.password());
    state.OwnFtpSettings.FTPPort = silent.port();
    const PublishOutcome result = PublishRun(state, folders, config);
    EXPECT_FALSE(result.outcome.ok);
    EXPECT_TRUE(
        result.outcome.message.endsWith(QStringLiteral("Please check your internet connection.")))
        << result.outcome.message.toStdString();
    EXPECT_EQ(changedFlags(state), (QList<bool>{true, true, false}));

    // The service itself silent: no reply, no upload.
    state.Account.HostingPackage = QStringLiteral("basic");
    config.ServiceBaseUrl = QStringLiteral("http://127.0.0.1:%1").arg(silent.port());
    EXPECT_FALSE(PublishRun(state, folders, config).outcome.ok);
    EXPECT_TRUE(ftp.files().isEmpty());
    EXPECT_EQ(changedFlags(state), (QList<bool>{true, true, false}));
}

TEST_F(Publish, AMissingPageIsReportedAndSentNextTime) {
    QFile::remove(folders.WorkDir() + QStringLiteral("tricky.html"));
    const PublishOutcome result = PublishRun(state, folders, config);
    EXPECT_FALSE(result.outcome.ok);
    EXPECT_EQ(result.outcome.message, QStringLiteral("There was a problem publishing your site: "
                                                     "the page file tricky.html is missing."));
    EXPECT_TRUE(ftp.files().contains(QStringLiteral("tavosites/mysite/index.html.php")));
    EXPECT_EQ(changedFlags(state), (QList<bool>{false, true, false}));
}

TEST_F(Publish, AFailedPutIsReportedAndSentNextTime) {
    // A folder in the file's place makes the server refuse the put.
    QDir().mkpath(ftp.root() + QStringLiteral("tavosites/mysite/tricky.html.php"));
    const PublishOutcome result = PublishRun(state, folders, config);
    EXPECT_FALSE(result.outcome.ok);
    EXPECT_EQ(result.outcome.message, QStringLiteral("There was a problem publishing your site: "
                                                     "tricky.html.php could not be uploaded."));
    EXPECT_EQ(changedFlags(state), (QList<bool>{false, true, false}));
    EXPECT_EQ(storedChangedFlags(), (QList<bool>{false, true, false}));
    EXPECT_EQ(ftp.connectionCount(), 1);
}

TEST_F(Publish, NoPageListReplyMeansNoUpload) {
    http.removeReply(QStringLiteral("updatepages.php"));
    const PublishOutcome result = PublishRun(state, folders, config);
    EXPECT_FALSE(result.outcome.ok);
    EXPECT_EQ(result.outcome.message, PublishFailedMessage());
    EXPECT_TRUE(ftp.files().isEmpty());
    EXPECT_EQ(changedFlags(state), (QList<bool>{true, true, false}));
}

TEST_F(Publish, ExportTwiceReplacesPagesAndPicturesButKeepsAssets) {
    const QString target = home.path() + QStringLiteral("/export");
    const QString php = QStringLiteral("<a href=\"about-us.PHP\">about</a>\r\n");
    WriteWorkFile(folders, QStringLiteral("quiet.html"), php.toLatin1());
    ASSERT_EQ(ExportSiteToFolder(state, folders, target).message, DoneExportingMessage());

    const QString out = target + QLatin1Char('/');
    EXPECT_EQ(ReadFileBytes(out + QStringLiteral("quiet.html")),
              "<a href=\"about-us.html\">about</a>\r\n\r\n");
    EXPECT_EQ(ReadFileBytes(out + QStringLiteral("tricky.html")), TrickyPage + "\r\n");
    // tavo_img3.jpg is used by the quiet page only, which no longer refers to it.
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("tavo_img2.jpg")));
    EXPECT_FALSE(QFile::exists(out + QStringLiteral("tavo_img3.jpg")));
    EXPECT_EQ(ReadFileBytes(out + QStringLiteral("bin/style.css")), "body{}");

    WriteWorkFile(folders, QStringLiteral("index.html"), "<img src=\"tavo_img1.jpg\">new\r\n");
    WriteWorkFile(folders, QStringLiteral("tavo_img1.jpg"), "JPEG new");
    WriteWorkFile(folders, QStringLiteral("bin/style.css"), "body{color:red}");
    ASSERT_TRUE(ExportSiteToFolder(state, folders, target));
    EXPECT_EQ(ReadFileBytes(out + QStringLiteral("index.html")),
              "<img src=\"tavo_img1.jpg\">new\r\n\r\n");
    EXPECT_EQ(ReadFileBytes(out + QStringLiteral("tavo_img1.jpg")), "JPEG new");
    EXPECT_EQ(ReadFileBytes(out + QStringLiteral("bin/style.css")), "body{}");
    EXPECT_EQ(changedFlags(state), (QList<bool>{true, true, false}));
}

TEST_F(Publish, ExportReportsAFolderThatCannotBeWritten) {
    const QString blocker = home.path() + QStringLiteral("/blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const Result result = ExportSiteToFolder(state, folders, blocker + QStringLiteral("/site"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains(QStringLiteral("cannot be written")));
}

} // namespace

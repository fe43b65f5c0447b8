#include "service/service_request.h"
#include "service/service_urls.h"
#include "support/local_servers.h"
#include "support/qt_print.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class ServiceRequests : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(http.start()); }
    QString url(const char* endpoint) const {
        return http.baseUrl() + QStringLiteral("/zeb/") + QLatin1String(endpoint);
    }
    HttpService http;
    TempHome home;
};

TEST_F(ServiceRequests, RepliesAreReadAsOneLine) {
    const std::pair<QByteArray, QString> cases[] = {
        {"done\r\n", QStringLiteral("done")},
        {"a\r\nb\nc\r\n", QStringLiteral("abc")},
        {"\r\n\r\n", QString()},
        {"caf\xE9", QStringLiteral("café")},
    };
    for (const auto& [body, expected] : cases) {
        http.setReply(QStringLiteral("r.php"), body);
        EXPECT_EQ(FetchServiceReply(url("r.php"), home.folders()), expected);
    }
}

TEST_F(ServiceRequests, AFailedRequestNeverAnswersWithAnEarlierReply) {
    http.setReply(QStringLiteral("ok.php"), "first");
    EXPECT_EQ(FetchServiceReply(url("ok.php"), home.folders()), QStringLiteral("first"));
    // 404: an HTTP error is no reply.
    EXPECT_EQ(FetchServiceReply(url("missing.php"), home.folders()), QString());
    EXPECT_FALSE(QFile::exists(home.folders().ReplyFile()));
    // Nobody listening.
    HttpService stopped;
    ASSERT_TRUE(stopped.start());
    const int deadPort = stopped.port();
    stopped.stop();
    EXPECT_EQ(FetchServiceReply(QStringLiteral("http://127.0.0.1:%1/zeb/x.php").arg(deadPort),
                                home.folders()),
              QString());
}

TEST_F(ServiceRequests, AnUnreadableReplyFileCountsAsNoReply) {
    http.setReply(QStringLiteral("ok.php"), "first");
    // The reply file's place is taken by a folder: it can be neither written nor read.
    ASSERT_TRUE(QDir().mkpath(home.folders().ReplyFile()));
    EXPECT_EQ(FetchServiceReply(url("ok.php"), home.folders()), QString());
}

TEST_F(ServiceRequests, ValuesReachTheServiceIntact) {
    ServiceConfig config;
    config.ServiceBaseUrl = http.baseUrl();
    const QString password = QStringLiteral("p&ss#w=rd +%é");
    http.setReply(QStringLiteral("login.php"), "x");
    FetchServiceReply(LoginUrl(config, QStringLiteral("me@x.org "), password), home.folders());
    const QStringList sent = http.requestsTo(QStringLiteral("login.php"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(HttpService::queryNames(sent[0]),
              (QStringList{QStringLiteral("email"), QStringLiteral("password")}));
    EXPECT_EQ(HttpService::queryValue(sent[0], QStringLiteral("email")),
              QStringLiteral("me@x.org "));
    EXPECT_EQ(HttpService::queryValue(sent[0], QStringLiteral("password")), password);
}

TEST_F(ServiceRequests, ADownloadThatFailsLeavesTheFileAsItWas) {
    const QString path = home.path() + QStringLiteral("/page.html");
    http.setFile(QStringLiteral("site/page.html"), "<p>new</p>");
    ASSERT_TRUE(DownloadUrlToFile(http.baseUrl() + QStringLiteral("/site/page.html"), path));
    EXPECT_FALSE(DownloadUrlToFile(http.baseUrl() + QStringLiteral("/site/gone.html"), path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("<p>new</p>"));
}

} // namespace

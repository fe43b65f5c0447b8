#include "service/account_reply.h"
#include "service/account_save.h"
#include "service/login.h"
#include "site/settings_store.h"
#include "support/local_servers.h"
#include "support/qt_print.h"
#include "support/site_fixture.h"
#include "support/temp_home.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TSitePage replyPage(const char* fileName, const char* label, bool changed) {
    TSitePage page;
    page.FileName = QLatin1String(fileName);
    page.Label_ = QLatin1String(label);
    page.WindowTitle = QStringLiteral("Title of ") + page.Label_;
    page.Keywords = QStringLiteral("a, b");
    page.ShowInMenu = true;
    page.IsHomePage = page.FileName == QLatin1String("index");
    page.Changed = changed;
    return page;
}

class AccountService : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(http.start());
        ASSERT_TRUE(ftp.start());
        config = LocalServiceConfig(http, ftp);
    }

    AccountReply siteReply() const {
        AccountReply reply;
        reply.Password = QStringLiteral("pw");
        reply.FirstName = QStringLiteral("Ann");
        reply.Email = QStringLiteral("ann@x.test");
        reply.UnixName = QStringLiteral("mysite");
        reply.FtpPort = QStringLiteral("2121");
        reply.HostingPackage = QStringLiteral("basic");
        reply.Pages = {replyPage("index", "Home", false), replyPage("about-us", "About Us", true),
                       replyPage("contact-us", "Contact Us", false)};
        return reply;
    }

    QStringList workFiles() const {
        QStringList files;
        QDirIterator it(home.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        return files;
    }

    TempHome home;
    HttpService http;
    FtpServer ftp;
    ServiceConfig config;
    SiteState state;
};

TEST_F(AccountService, LoginRestoresTheSiteAndStoresIt) {
    // A previous site with more pages: the login replaces the list.
    for (const char* name : {"old1", "old2", "old3", "old4"})
        state.PageSelector << QLatin1String(name);
    state.Pages[3].FileName = QStringLiteral("old4");

    http.setReply(QStringLiteral("login.php"), AccountReplyText(siteReply()).toLatin1() + "\r\n");
    const QString assets = http.baseUrl() + QStringLiteral("/zeb/templates/");
    http.setFile(QStringLiteral("mysite/index.html"),
                 (QStringLiteral("<link href=\"") + assets +
                  QStringLiteral("3/bin/style.css\">\r\n") + QStringLiteral("<img src=\"") +
                  assets + QStringLiteral("150/bin/a.png\">") + QStringLiteral("<img src=\"") +
                  assets + QStringLiteral("151/bin/b.png\">\r\n"))
                     .toLatin1());
    http.setFile(QStringLiteral("mysite/about-us.html"), "<p>About caf\xE9</p>\n");
    // contact-us was never published: its page file is empty.

    ASSERT_FALSE(QDir(home.folders().WorkDir()).exists());
    const ServiceOutcome outcome = LoginRun(state, home.folders(), config,
                                            QStringLiteral("ann@x.test "), QStringLiteral("p&w"));
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.next, ServiceOutcome::Next::PageList);

    const QString sent = http.requestsTo(QStringLiteral("login.php")).value(0);
    EXPECT_EQ(HttpService::queryValue(sent, QStringLiteral("email")),
              QStringLiteral("ann@x.test "));
    EXPECT_EQ(HttpService::queryValue(sent, QStringLiteral("password")), QStringLiteral("p&w"));

    EXPECT_EQ(state.PageSelector, (QStringList{QStringLiteral("index"), QStringLiteral("about-us"),
                                               QStringLiteral("contact-us")}));
    EXPECT_EQ(state.Pages[1], siteReply().Pages[1]);
    EXPECT_EQ(state.Pages[3].FileName, QStringLiteral("old4"));
    EXPECT_EQ(state.Account.UnixName, QStringLiteral("mysite"));
    EXPECT_EQ(state.Account.FtpPort, 2121);

    const QString work = home.folders().WorkDir();
    EXPECT_EQ(
        ReadFileBytes(work + QStringLiteral("index.html")),
        (QStringLiteral("<link href=\"bin/style.css\">\r\n<img src=\"bin/a.png\"><img src=\"") +
         assets + QStringLiteral("151/bin/b.png\">\r\n\r\n"))
            .toLatin1());
    EXPECT_EQ(ReadFileBytes(work + QStringLiteral("about-us.html")),
              "<p>About caf\xE9</p>\r\n\r\n");
    EXPECT_EQ(ReadFileBytes(work + QStringLiteral("contact-us.html")), "\r\n");

    SiteState stored;
    LoadAccount(stored, home.folders());
    ASSERT_TRUE(LoadSite(stored, home.folders()));
    EXPECT_EQ(stored.PageSelector, state.PageSelector);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(stored.Pages[i], state.Pages[i]);
    EXPECT_EQ(stored.Account.Email, QStringLiteral("ann@x.test"));
}

TEST_F(AccountService, APageThatCannotBeFetchedStartsEmptyNotWithAnotherSitesText) {
    WriteWorkFile(home.folders(), QStringLiteral("contact-us.html"), "<p>Another site</p>\r\n");
    http.setReply(QStringLiteral("login.php"), AccountReplyText(siteReply()).toLatin1());
    http.setFile(QStringLiteral("mysite/index.html"), "<p>Home</p>");
    http.setFile(QStringLiteral("mysite/about-us.html"), "<p>About</p>");
    ASSERT_TRUE(
        LoginRun(state, home.folders(), config, QStringLiteral("ann@x.test"), QStringLiteral("pw"))
            .ok);
    EXPECT_EQ(ReadFileBytes(home.folders().WorkDir() + QStringLiteral("contact-us.html")), "\r\n");
    EXPECT_EQ(ReadFileBytes(home.folders().WorkDir() + QStringLiteral("about-us.html")),
              "<p>About</p>\r\n\r\n");
}

TEST_F(AccountService, LoginRefusesShortRepliesAndForeignFileNames) {
    const char* badNames[] = {"../evil", "sub/page", "a b", "", " index", "x.html", "a\\b"};
    QList<QByteArray> replies{"", "12345678"};
    for (const char* name : badNames) {
        AccountReply reply = siteReply();
        reply.Pages[1].FileName = QLatin1String(name);
        replies << AccountReplyText(reply).toLatin1();
    }
    http.setFile(QStringLiteral("mysite/index.html"), "<p>home</p>");
    state.Account.UnixName = QStringLiteral("before");
    const SiteState before = state;
    for (const QByteArray& body : replies) {
        http.setReply(QStringLiteral("login.php"), body);
        const ServiceOutcome outcome =
            LoginRun(state, home.folders(), config, QStringLiteral("a@b.c"), QStringLiteral("pw"));
        EXPECT_FALSE(outcome.ok) << body.toStdString();
        EXPECT_EQ(outcome.kind, ServiceOutcome::Message::Information);
        EXPECT_EQ(outcome.message, LoginRefusedMessage());
        EXPECT_EQ(state.Account, before.Account);
        EXPECT_EQ(state.PageSelector, before.PageSelector);
    }
    // Nothing was fetched or written: no page, no store.
    EXPECT_EQ(http.requests().size(), replies.size());
    EXPECT_EQ(workFiles(), QStringList{home.folders().ReplyFile()});
}

TEST_F(AccountService, PasswordMailSucceedsOnlyOnDone) {
    http.setReply(QStringLiteral("emailpassword.php"), "done\r\n");
    const ServiceOutcome sent =
        PasswordMailRun(home.folders(), config, QStringLiteral("ann@x.test"));
    EXPECT_TRUE(sent.ok);
    EXPECT_EQ(sent.kind, ServiceOutcome::Message::Information);
    EXPECT_EQ(sent.message, QStringLiteral("Your password has been sent to ann@x.test."));

    http.setReply(QStringLiteral("emailpassword.php"), "no such user");
    const ServiceOutcome failed =
        PasswordMailRun(home.folders(), config, QStringLiteral("ann@x.test"));
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.kind, ServiceOutcome::Message::Error);
    EXPECT_EQ(failed.message, QStringLiteral("There was a problem sending your password. Please "
                                             "check your internet connection."));
}

class AccountSave : public AccountService {
protected:
    void SetUp() override {
        AccountService::SetUp();
        http.setReply(QStringLiteral("changeunix.php"), "{{newid}}");
        http.setReply(QStringLiteral("updateacc.php"), "{{unixname}}");
        state.Account.UnixName = QStringLiteral("mysite");
    }
    ServiceOutcome save(const AccountForm& form) {
        QString oldName;
        if (!TakeAccountForm(state, form, oldName))
            return ServiceOutcome::refused(ConfirmationDiffersMessage());
        return AccountSaveRun(state, home.folders(), config, oldName);
    }
    AccountForm form() const { return AccountFormFromAccount(state.Account); }
};

TEST_F(AccountSave, FirstSaveCreatesTheAddressWithItsPlaceholder) {
    http.setReply(QStringLiteral("newunix.php"), "mysite2");
    AccountForm typed = form();
    typed.FirstName = QStringLiteral("Ann");
    typed.Password = typed.Confirm = QStringLiteral("a&b#c d");
    const ServiceOutcome outcome = save(typed);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.message,
              QStringLiteral("Your account's  information was successfully saved."));
    EXPECT_EQ(state.Account.UnixName, QStringLiteral("mysite2"));
    EXPECT_TRUE(state.Account.UnixCreated);

    // The placeholder went into the folder of the name as it was sent, as a PHP page.
    EXPECT_EQ(ftp.files(), QStringList{QStringLiteral("tavosites/mysite/index.html.php")});
    EXPECT_TRUE(ftp.file(QStringLiteral("tavosites/mysite/index.html.php")).startsWith("<?php"));

    const QStringList requests = http.requests();
    ASSERT_EQ(requests.size(), 3);
    EXPECT_TRUE(requests[0].startsWith(QStringLiteral("/zeb/newunix.php?id=mysite")));
    EXPECT_EQ(requests[1], QStringLiteral("/zeb/changeunix.php?oldid=mysite&newid=mysite2"));
    EXPECT_EQ(HttpService::queryNames(requests[2]),
              (QStringList{"fname", "lname", "email", "password", "unixname", "tavositestatus",
                           "oldid", "domain", "ftphost", "ftpusername", "ftppassword", "ftpport",
                           "ftppath", "hostingpackage"}));
    EXPECT_EQ(HttpService::queryValue(requests[2], QStringLiteral("password")),
              QStringLiteral("a&b#c d"));
    EXPECT_EQ(HttpService::queryValue(requests[2], QStringLiteral("oldid")),
              QStringLiteral("mysite2"));

    SiteState stored;
    LoadAccount(stored, home.folders());
    EXPECT_EQ(stored.Account.UnixName, QStringLiteral("mysite2"));
    EXPECT_TRUE(stored.Account.UnixCreated);
}

TEST_F(AccountSave, RenamesTheAddressAndUpdatesTheAccount) {
    state.Account.UnixCreated = true;
    AccountForm typed = form();
    typed.SiteUrl = QStringLiteral("My Site!");
    typed.Enable = true;
    ASSERT_TRUE(save(typed).ok);
    EXPECT_EQ(state.Account.UnixName, QStringLiteral("My-Site"));
    EXPECT_EQ(http.requests().value(0),
              QStringLiteral("/zeb/changeunix.php?oldid=mysite&newid=My-Site"));
    EXPECT_EQ(HttpService::queryValue(http.requests().value(1), QStringLiteral("tavositestatus")),
              QStringLiteral("enable"));
    EXPECT_TRUE(ftp.files().isEmpty());

    // Same name again: only the account update.
    ASSERT_TRUE(save(form()).ok);
    EXPECT_EQ(http.requestsTo(QStringLiteral("changeunix.php")).size(), 1);
    EXPECT_EQ(http.requestsTo(QStringLiteral("updateacc.php")).size(), 2);
}

TEST_F(AccountSave, ReportsAFailedUpdateAndARefusedConfirmation) {
    state.Account.UnixCreated = true;
    SaveAccount(state, home.folders());
    http.removeReply(QStringLiteral("updateacc.php"));
    AccountForm typed = form();
    typed.FirstName = QStringLiteral("Changed");
    const ServiceOutcome failed = save(typed);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message, QStringLiteral("There was a problem saving your account "
                                             "information. Please check your internet "
                                             "connection."));
    SiteState stored;
    LoadAccount(stored, home.folders());
    EXPECT_EQ(stored.Account.FirstName, QString());

    typed.Confirm = QStringLiteral("other");
    const int before = int(http.requests().size());
    EXPECT_FALSE(save(typed).ok);
    EXPECT_EQ(http.requests().size(), before);
}

} // namespace

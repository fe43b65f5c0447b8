#include "site/page_table.h"
#include "site/settings_store.h"
#include "support/temp_home.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

TEST(CliStatus, FreshUserPrintsTheDefaults) {
    TempHome home;
    const ProcessResult run = RunTavo(home, {"status", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString expected =
        QStringLiteral(
            "{ \"account\": { \"FirstName\": \"\", \"LastName\": \"\", \"Email\": \"\", "
            "\"Password\": \"\", \"UnixName\": \"\", \"Domain\": \"\", \"HostingPackage\": "
            "\"basic\", \"TavoSiteStatus\": false, \"UnixCreated\": false }, "
            "\"selectedTemplateIndex\": 0, \"ownFtp\": { \"FTPHost\": \"\", \"FTPUsername\": "
            "\"\", \"FTPPassword\": \"\", \"FTPDirectory\": \"\", \"FTPPort\": 21 }, "
            "\"pages\": [], \"workDir\": \"%1\", \"dataDir\": \"%2\" }\n")
            .arg(home.folders().WorkDir(), BuiltDataDir());
    EXPECT_EQ(QString::fromUtf8(run.out), expected);
}

TEST(CliStatus, PrintsTheStoredPagesInOrder) {
    TempHome home;
    SiteState state;
    state.Account.UnixName = "shop";
    for (const char* name : {"index", "about-us", "contact-us"}) {
        int slot = 0;
        AppendPage(state, name, &slot);
        state.Pages[slot].Label_ = QString("\"%1\"").arg(name);
        state.Pages[slot].ShowInMenu = true;
    }
    ASSERT_TRUE(SaveAccount(state, home.folders()));
    ASSERT_TRUE(SavePages(state, home.folders()));

    const ProcessResult run = RunTavo(home, {"status", "--json"});
    ASSERT_EQ(run.exitCode, 0);
    QJsonParseError error;
    const QJsonObject status = QJsonDocument::fromJson(run.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonArray pages = status["pages"].toArray();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[1].toObject()["FileName"].toString(), "about-us");
    EXPECT_EQ(pages[1].toObject()["Label_"].toString(), "\"about-us\"");
    EXPECT_EQ(status["account"].toObject()["UnixName"].toString(), "shop");

    const ProcessResult text = RunTavo(home, {"status"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains("contact-us"));
}

TEST(CliStatus, WrongUsageExitsTwoWithAUsageLine) {
    TempHome home;
    for (const QStringList& args :
         {QStringList{}, QStringList{"no-such-command"}, QStringList{"status", "--xml"},
          QStringList{"--service-config"}}) {
        const ProcessResult run = RunTavo(home, args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("usage: tavo")) << run.err.toStdString();
    }
}

} // namespace

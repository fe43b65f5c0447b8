#include "site/page_table.h"
#include "site/settings_store.h"
#include "site/store_file.h"
#include "support/temp_home.h"

#include <QFile>
#include <QSettings>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    TempHome home;
    const Folders& folders = home.folders();

    // Writes raw values into the store, as an older run or a hand edit would have left them.
    void store(const QList<std::pair<QString, QString>>& values) {
        QSettings raw(folders.settingsFile, QSettings::IniFormat);
        for (const auto& [name, value] : values)
            raw.setValue(name, value);
    }
    bool stored(const QString& name) {
        return QSettings(folders.settingsFile, QSettings::IniFormat).contains(name);
    }
    SiteState load() {
        SiteState state;
        LoadAccount(state, folders);
        loaded = LoadSite(state, folders);
        return state;
    }
    bool loaded = false;
};

SiteState threePageSite() {
    SiteState state;
    state.Account.UnixName = "myshop";
    state.Account.FirstName = "Ada";
    state.Account.Password = "p&ss#word";
    state.Account.HostingPackage = "gold";
    state.Account.TavoSiteStatus = true;
    state.SelectedTemplateIndex = 2;
    const char* names[] = {"index", "about-us", "contact-us"};
    for (int i = 0; i < 3; ++i) {
        int slot = 0;
        AppendPage(state, names[i], &slot);
        TSitePage& p = state.Pages[slot];
        p.Label_ = QString("Label %1, with comma").arg(i);
        p.WindowTitle = "Title " + QString::number(i);
        p.Description = "Desc = \"quoted\" ; semi";
        p.Keywords = "k1, k2";
        p.Heading = "Heading";
        p.Text1 = "t1";
        p.Text6 = QString::fromUtf8("t6 \u00e9\u4e2d");
        p.ShowInMenu = i != 1;
        p.IsHomePage = i == 0;
        p.Changed = i == 2;
    }
    return state;
}

TEST_F(SettingsStoreTest, FreshUserGetsTheDefaults) {
    const SiteState state = load();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(state.Account, TAccount());
    EXPECT_EQ(state.Account.HostingPackage, "basic");
    EXPECT_EQ(state.SelectedTemplateIndex, 0);
    EXPECT_EQ(state.OwnFtpSettings.FTPPort, 21);
    EXPECT_EQ(state.pageCount(), 0);
    EXPECT_FALSE(QFile::exists(folders.settingsFile)); // loading writes nothing
}

TEST_F(SettingsStoreTest, SavedSiteLoadsBackWholeAndPrivate) {
    SiteState saved = threePageSite();
    saved.OwnFtpSettings = {"ftp.example.org", "me", "secret", "/www", 2121};
    ASSERT_TRUE(SaveAccount(saved, folders));
    ASSERT_TRUE(SavePages(saved, folders));
    ASSERT_TRUE(SaveOwnFtpSettings(saved, folders));
    EXPECT_EQ(FileMode(folders.settingsFile), 0600);

    const SiteState state = load();
    EXPECT_TRUE(loaded);
    EXPECT_EQ(state.Account, saved.Account);
    EXPECT_EQ(state.SelectedTemplateIndex, 2);
    EXPECT_EQ(state.OwnFtpSettings, saved.OwnFtpSettings);
    ASSERT_EQ(state.PageSelector, saved.PageSelector);
    EXPECT_EQ(state.LastPageIndex, 2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(state.Pages[i], saved.Pages[i]) << i;
}

TEST_F(SettingsStoreTest, PageCountDecidesHowManyPagesLoad) {
    SiteState saved = threePageSite();
    ASSERT_TRUE(SaveAccount(saved, folders));
    ASSERT_TRUE(SavePages(saved, folders));
    // Stale values of index 3 from an older, longer table are ignored.
    store({{"Page_FileName_3", "old-page"}, {"Page_Label_3", "Old"}});
    EXPECT_EQ(load().pageCount(), 3);

    store({{"PageCount", "-1"}});
    const SiteState empty = load();
    EXPECT_TRUE(loaded);
    EXPECT_EQ(empty.pageCount(), 0);
}

TEST_F(SettingsStoreTest, AnUnreadableNumberEndsTheLoadKeepingWhatWasRead) {
    ASSERT_TRUE(SaveAccount(threePageSite(), folders));
    store({{"PageCount", "two"}});
    SiteState state = load();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(state.Account.UnixName, "myshop");
    EXPECT_EQ(state.pageCount(), 0);

    store({{"PageCount", "0"}, {"SelectedTemplateIndex", ""}});
    state = load();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(state.pageCount(), 0);
}

TEST_F(SettingsStoreTest, SavingFewerPagesDropsTheOldTextsButKeepsTheirFlags) {
    SiteState state = threePageSite();
    ASSERT_TRUE(SavePages(state, folders));
    SelectPage(state, 2);
    DeleteCurrentPage(state);
    ASSERT_TRUE(SavePages(state, folders));

    EXPECT_EQ(QSettings(folders.settingsFile, QSettings::IniFormat).value("PageCount"), "1");
    for (const char* text :
         {"Page_Label_2", "Page_FileName_2", "Page_WindowTitle_2", "Page_Description_2",
          "Page_Keywords_2", "Page_Heading_2", "Page_Text1_2", "Page_Text6_2"})
        EXPECT_FALSE(stored(text)) << text;
    for (const char* flag : {"Page_ShowInMenu_2", "Page_IsHomePage_2", "Page_Changed_2"})
        EXPECT_TRUE(stored(flag)) << flag;
}

TEST_F(SettingsStoreTest, AGarbledOldPageCountDoesNotBlockSaving) {
    store({{"PageCount", "garbage"}});
    SiteState state = threePageSite();
    ASSERT_TRUE(SaveAccount(state, folders));
    ASSERT_TRUE(SavePages(state, folders));
    EXPECT_EQ(load().pageCount(), 3);
}

TEST_F(SettingsStoreTest, ValuesAreReadWithTheirDefaults) {
    struct Case {
        const char* port;
        int expected;
    };
    for (const Case& c : {Case{nullptr, 21}, Case{"", 21}, Case{"abc", 21}, Case{" 21", 21},
                          Case{"2121", 2121}, Case{"99999999999", 21}}) {
        if (c.port)
            store({{"FTPPort", c.port}});
        else
            QSettings(folders.settingsFile, QSettings::IniFormat).remove("FTPPort");
        EXPECT_EQ(load().OwnFtpSettings.FTPPort, c.expected) << (c.port ? c.port : "absent");
    }

    store({{"TavoSiteStatus", "True"},
           {"UnixCreated", "true"},
           {"HostingPackage", "x"},
           {"SelectedTemplateIndex", "99999999999"}});
    SiteState state;
    LoadAccount(state, folders);
    EXPECT_FALSE(state.Account.TavoSiteStatus);
    EXPECT_TRUE(state.Account.UnixCreated);
    EXPECT_EQ(state.Account.HostingPackage, "basic");
    EXPECT_EQ(state.SelectedTemplateIndex, 0);

    // With a site stored, the second pass takes the package as stored.
    store({{"UnixName", "myshop"}, {"SelectedTemplateIndex", "3"}, {"PageCount", "-1"}});
    LoadSite(state, folders);
    EXPECT_EQ(state.Account.HostingPackage, "x");
    EXPECT_EQ(state.SelectedTemplateIndex, 3);
}

TEST_F(SettingsStoreTest, DomainIsReadOnlyByTheFirstPass) {
    SiteState saved = threePageSite();
    saved.Account.Domain = "example.com";
    ASSERT_TRUE(SaveAccount(saved, folders));
    SiteState state;
    LoadSite(state, folders);
    EXPECT_EQ(state.Account.Domain, "");
    LoadAccount(state, folders);
    EXPECT_EQ(state.Account.Domain, "example.com");
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenIsReported) {
    Folders blocked = folders;
    blocked.settingsFile = home.path() + "/config/file-not-folder/store.ini";
    QFile f(home.path() + "/config/file-not-folder");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(SaveAccount(threePageSite(), blocked).ok);
}

} // namespace

namespace {

// The store file stays readable by QSettings, and values of every shape survive a save.
TEST(StoreLock, OneSaverAtATimeAndNoLockOutlivesItsHolder) {
    TempHome home;
    const QString store = home.folders().settingsFile;
    {
        const StoreLock first(store);
        ASSERT_TRUE(first.locked());
        EXPECT_FALSE(StoreLock(store, 20).locked());
    }
    EXPECT_TRUE(StoreLock(store, 0).locked());

    // A process that dies holding the lock, however it dies, frees it at once.
    const pid_t child = fork();
    if (child == 0) {
        const StoreLock held(home.folders().settingsFile);
        ::raise(SIGKILL);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(StoreLock(store, 0).locked());
}

TEST(StoreFile, ValuesRoundTripThroughTheFileAndQSettings) {
    const QString values[] = {"",
                              "plain",
                              " leading and trailing ",
                              "a, b; c = d",
                              "quote \" and \\ back",
                              "@at",
                              "@@double",
                              "line\r\nbreak\ttab",
                              "\x01"
                              "1f ctl",
                              QString::fromUtf8("\u00e9\u4e2d\U0001F600"),
                              "x\\x41y",
                              "trailing\\"};
    TempHome home;
    StoreFile::NewValues written;
    for (int i = 0; i < int(std::size(values)); ++i)
        written.emplace_back("Value" + QByteArray::number(i), values[i]);
    {
        const StoreLock lock(home.folders().settingsFile);
        ASSERT_TRUE(StoreFile(home.folders().settingsFile)
                        .save([](std::string_view) { return false; }, written));
    }
    const StoreFile store(home.folders().settingsFile);
    QSettings qt(home.folders().settingsFile, QSettings::IniFormat);
    for (int i = 0; i < int(std::size(values)); ++i) {
        const std::string name = "Value" + std::to_string(i);
        EXPECT_EQ(store.read(name), values[i]) << name;
        EXPECT_EQ(qt.value(QString::fromStdString(name)).toString(), values[i]) << name;
    }
}

} // namespace

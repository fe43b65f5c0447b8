#include "site/folders.h"
#include "support/file_mode.h"
#include "support/qt_print.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Folders, TemporaryFolderIsPersistentPrivateAndPerUser) {
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());

    const QString temp = GetTempFolder();
    EXPECT_EQ(temp, home.path() + "/Rodevovar O9 Vide/");
    EXPECT_EQ(FileMode(temp), 0700);
    const Folders folders = Folders::fromEnvironment();
    EXPECT_EQ(folders.WorkDir(), temp + "zeb1988/");
    EXPECT_EQ(folders.PreviewDir(), temp + "zeb1988/preview/");
    EXPECT_EQ(folders.ReplyFile(), temp + "t1988.txt");
    EXPECT_FALSE(QFileInfo::exists(folders.WorkDir())); // made only by a new site

    qputenv("XDG_DATA_HOME", saved);
}

TEST(Folders, DataFolderSitsBesideTheProgram) {
    EXPECT_TRUE(AppDataDir().endsWith("/data/"));
    EXPECT_TRUE(SettingsFilePath().endsWith("/Rodevovar O9 Vide.ini"));
}

} // namespace

#include "site/folder_utils.h"

#include "support/qt_print.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(CopyFolder, CopiesRecursivelyAndNeverOverwrites) {
    QTemporaryDir dir;
    const QString src = dir.filePath("src");
    const QString dst = dir.filePath("dst");
    put(src + "/style.css", "new css");
    put(src + "/logo.png", "logo");
    put(src + "/img/a/b.jpg", "deep");
    put(dst + "/style.css", "old css");

    CopyFolder(src, dst);
    EXPECT_EQ(get(dst + "/style.css"), "old css");
    EXPECT_EQ(get(dst + "/logo.png"), "logo");
    EXPECT_EQ(get(dst + "/img/a/b.jpg"), "deep");
}

TEST(CopyFolder, CreatesOnlyOneLevelOfTarget) {
    QTemporaryDir dir;
    put(dir.filePath("src/a.txt"), "a");
    CopyFolder(dir.filePath("src"), dir.filePath("no/parent"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no")));
}

TEST(ClearFolder, DeletesTopLevelFilesOnly) {
    QTemporaryDir dir;
    const QString bin = dir.filePath("bin");
    put(bin + "/style.css", "css");
    put(bin + "/.hidden", "h");
    put(bin + "/sub/keep.png", "png");

    ClearFolder(bin);
    EXPECT_FALSE(QFileInfo::exists(bin + "/style.css"));
    EXPECT_FALSE(QFileInfo::exists(bin + "/.hidden"));
    EXPECT_EQ(get(bin + "/sub/keep.png"), "png");

    ClearFolder(dir.filePath("missing")); // nothing to do, nothing created
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
}

} // namespace

#include "site/text_file.h"
#include "site/windows1252.h"

#include "support/qt_print.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(LoadTextFile, EndsEveryLineWithCrLf) {
    const std::pair<QByteArray, QString> cases[] = {
        {"", ""},
        {"x", "x\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\n\nb", "a\r\n\r\nb\r\n"},
        {"\n", "\r\n"},
        {"a\rb\n", "a\rb\r\n"}, // a lone CR is not a line end
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    for (const auto& [bytes, text] : cases) {
        writeBytes(path, bytes);
        EXPECT_EQ(LoadTextFile(path), text) << bytes.toStdString();
    }
}

TEST(LoadTextFile, MissingFileIsEmpty) {
    EXPECT_EQ(LoadTextFile("/nonexistent/folder/page.html"), QString());
}

TEST(Windows1252, MapsTheHighControlsAndReplacesWhatItCannotHold) {
    const QString text = QString::fromUtf8("\u20ac \u00e9 \u2019 \u4e2d \U0001F600 \u0081");
    EXPECT_EQ(EncodeWindows1252(text), QByteArray("\x80 \xe9 \x92 ? ? \x81"));
    EXPECT_EQ(DecodeWindows1252(QByteArray("\x80 \xe9 \x92 \x81")),
              QString::fromUtf8("\u20ac \u00e9 \u2019 \u0081"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
}

TEST(SaveTextFile, WritesTextAndOneCrLfInTheCodePage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    ASSERT_TRUE(SaveTextFile("x", path));
    EXPECT_EQ(readBytes(path), QByteArray("x\r\n"));

    ASSERT_TRUE(SaveTextFile(QString::fromUtf8("caf\u00e9 \u4e2d"), path));
    EXPECT_EQ(readBytes(path), QByteArray("caf\xe9 ?\r\n"));

    // Loading and saving adds one CR LF each round, nothing else.
    ASSERT_TRUE(SaveTextFile(LoadTextFile(path), path));
    EXPECT_EQ(readBytes(path), QByteArray("caf\xe9 ?\r\n\r\n"));
}

TEST(SaveTextFile, ReportsAFileItCannotWrite) {
    QTemporaryDir dir;
    const Result missingFolder = SaveTextFile("x", dir.filePath("missing/page.html"));
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_FALSE(missingFolder.message.isEmpty());

    // A directory in the file's place cannot be replaced by a page.
    QDir().mkpath(dir.filePath("taken.html"));
    EXPECT_FALSE(SaveTextFile("x", dir.filePath("taken.html")).ok);
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.html")).isDir());
}

} // namespace

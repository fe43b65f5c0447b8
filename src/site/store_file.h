#pragma once

#include "site/result.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The settings store on disk: a flat INI file ("[General]" then "Name=value" lines) in the
// form QSettings reads and writes, handled whole in memory so a load is one read and a save
// one atomic rewrite.
class StoreFile {
public:
    // Reads the whole file; a missing or unreadable file is an empty store.
    explicit StoreFile(const QString& path);

    // The value of name, or the empty text when absent.
    QString read(std::string_view name) const;
    bool contains(std::string_view name) const { return values_.count(name) != 0; }

    using NewValues = std::vector<std::pair<QByteArray, QString>>;
    // Writes the store anew: this store's values for which drop(name) is false, then
    // newValues. drop must cover every name of newValues. The file is replaced atomically
    // with mode 0600. Hold a StoreLock from before reading until after saving.
    Result save(const std::function<bool(std::string_view)>& drop,
                const NewValues& newValues) const;

private:
    struct Line {
        std::string_view text;
        std::string_view name; // empty for lines that are not values
        std::string_view value;
    };
    QString path_;
    QByteArray bytes_;
    std::vector<Line> lines_; // the general section's lines
    std::string_view rest_;   // other sections, kept verbatim
    std::unordered_map<std::string_view, std::string_view> values_;
};

// Keeps other processes from saving the store between one's read and one's write.
class StoreLock {
public:
    explicit StoreLock(const QString& path);
    bool locked() const { return locked_; }

private:
    QLockFile lock_;
    bool locked_;
};

// The text of one value as the file holds it, and back.
void AppendStoreValue(QByteArray& out, const QString& value);
QByteArray EncodeStoreValue(const QString& value);
QString DecodeStoreValue(std::string_view raw);

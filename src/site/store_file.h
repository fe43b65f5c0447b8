#pragma once

#include "site/result.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

// Appends "name=value" lines to the text of a store being saved.
class StoreValueWriter {
public:
    explicit StoreValueWriter(QByteArray& out) : out_(out) {}
    void add(std::string_view name, const QString& value);

private:
    QByteArray& out_;
};

// The settings store on disk: a flat INI file ("[General]" then "Name=value" lines) in the
// form QSettings reads and writes, handled whole in memory so a load is one read and a save
// one atomic rewrite.
class StoreFile {
public:
    // Reads the whole file; a missing or unreadable file is an empty store.
    explicit StoreFile(const QString& path);

    // The value of name, or the empty text when absent.
    QString read(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) != nullptr; }

    using NewValues = std::vector<std::pair<QByteArray, QString>>;
    // Writes the store anew: this store's values for which drop(name) is false, then
    // newValues. drop must cover every name of newValues. The file is replaced atomically
    // with mode 0600. Hold a StoreLock from before reading until after saving.
    Result save(const std::function<bool(std::string_view)>& drop,
                const NewValues& newValues) const;
    // The same, with the new values given by writeNew as it goes, so a large table is not
    // first gathered into a list of names and values; extraBytes is a guess of their size.
    Result save(const std::function<bool(std::string_view)>& drop,
                const std::function<void(StoreValueWriter&)>& writeNew, qsizetype extraBytes) const;

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
    // An open-addressing index over lines_ by name: a full table holds some twenty thousand
    // values, and a node per value made loading one mostly allocation and cache misses.
    // Each slot holds a name's hash in its upper half and its line number + 1 in its lower.
    std::vector<std::uint64_t> slots_;
    const Line* find(std::string_view name) const;
};

// Keeps other processes from saving the store between one's read and one's write. The lock
// file beside the store stays in place; the system drops the lock when its holder ends, even
// by a crash, so no lock is ever left stale.
class StoreLock {
public:
    // Waits up to waitMs for another process's save to end; another process saves for a few
    // milliseconds at most, so the default wait means it hangs.
    explicit StoreLock(const QString& path, int waitMs = 10000);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The text of one value as the file holds it, and back.
void AppendStoreValue(QByteArray& out, const QString& value);
QByteArray EncodeStoreValue(const QString& value);
QString DecodeStoreValue(std::string_view raw);

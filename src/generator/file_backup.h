#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Remembers files before an operation overwrites them, so a failed operation can put them
// back as they were (or remove them when they did not exist).
class FileBackup {
public:
    void remember(const QString& path);
    void restore() const;

private:
    struct Saved {
        QString path;
        bool existed = false;
        QByteArray bytes;
    };
    std::vector<Saved> saved_;
};

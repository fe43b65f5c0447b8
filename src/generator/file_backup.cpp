#include "generator/file_backup.h"

#include <QFile>
#include <QSaveFile>

void FileBackup::remember(const QString& path) {
    for (const Saved& s : saved_)
        if (s.path == path)
            return;
    QFile file(path);
    Saved saved{path, file.exists(), {}};
    if (saved.existed && file.open(QIODevice::ReadOnly))
        saved.bytes = file.readAll();
    saved_.push_back(std::move(saved));
}

void FileBackup::restore() const {
    for (const Saved& s : saved_) {
        if (!s.existed) {
            QFile::remove(s.path);
            continue;
        }
        QSaveFile file(s.path);
        if (file.open(QIODevice::WriteOnly) && file.write(s.bytes) == s.bytes.size())
            file.commit();
    }
}

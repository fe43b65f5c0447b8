#pragma once

#include <QFile>
#include <QString>
#include <sys/stat.h>

// The permission bits of path, e.g. 0600; -1 when it does not exist.
inline int FileMode(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The single-byte code page page files are kept in. Characters it cannot hold become '?'.
QString DecodeWindows1252(const QByteArray& bytes);
QByteArray EncodeWindows1252(QStringView text);

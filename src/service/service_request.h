#pragma once

#include "site/folders.h"

#include <QByteArray>
#include <QString>

// The one way the program asks the hosting service something: an HTTP GET whose body lands
// in the reply file beside WorkDir and is read back as one line of text. The empty text means
// nothing could be fetched. Blocking: call it from a worker thread.
QString FetchServiceReply(const QString& url, const Folders& folders);

// Writes the body of url to path. True only for a complete, successful download; on failure
// path is left as it was (no partial file).
bool DownloadUrlToFile(const QString& url, const QString& path);

// The query encoding of one 8-bit value: letters, digits and !$'()*-.@_ stay, a space becomes
// "+", every other byte becomes %XX.
QByteArray EncodeQueryValue(const QByteArray& value);

// A text as a query value: converted to windows-1252, then encoded.
QString QueryValue(const QString& text);

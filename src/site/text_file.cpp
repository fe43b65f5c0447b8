#include "site/text_file.h"

#include "site/windows1252.h"

#include <QFile>
#include <QSaveFile>

QString LoadTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return {};

    QByteArray lines;
    lines.reserve(bytes.size() + bytes.size() / 32 + 2);
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        qsizetype lineEnd = bytes.indexOf('\n', lineStart);
        const bool lastLine = lineEnd < 0;
        if (lastLine)
            lineEnd = bytes.size();
        qsizetype contentEnd = lineEnd;
        if (!lastLine && contentEnd > lineStart && bytes[contentEnd - 1] == '\r')
            --contentEnd;
        lines.append(bytes.constData() + lineStart, contentEnd - lineStart);
        lines.append("\r\n", 2);
        lineStart = lineEnd + 1;
    }
    return DecodeWindows1252(lines);
}

Result SaveTextFile(const QString& text, const QString& path) {
    QByteArray bytes = EncodeWindows1252(text);
    bytes.append("\r\n", 2);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Result::failure(QStringLiteral("The file %1 could not be written.").arg(path));
    return Result::success();
}

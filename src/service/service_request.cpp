#include "service/service_request.h"

#include "service/curl_easy.h"
#include "site/windows1252.h"

#include <QFile>
#include <QSaveFile>

#include <string_view>

namespace {

size_t writeToFile(char* data, size_t size, size_t count, void* target) {
    auto* file = static_cast<QSaveFile*>(target);
    const qint64 bytes = qint64(size * count);
    return file->write(data, bytes) == bytes ? size * count : 0;
}

} // namespace

bool DownloadUrlToFile(const QString& url, const QString& path) {
    CurlEasy curl;
    if (!curl)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray address = url.toUtf8();
    CURL* h = curl.get();
    ApplyCommonOptions(h, RequestTimeoutSeconds);
    curl_easy_setopt(h, CURLOPT_URL, address.constData());
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L); // an HTTP error status is a failure
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeToFile);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &file);
    if (curl.perform() != CURLE_OK) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString FetchServiceReply(const QString& url, const Folders& folders) {
    const QString replyFile = folders.ReplyFile();
    // A failed request must never be answered with the reply of an earlier one.
    QFile::remove(replyFile);
    DownloadUrlToFile(url, replyFile);

    // A reply file that is missing or cannot be read counts as no reply.
    QFile file(replyFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    // Lines are joined with nothing between them.
    bytes.replace('\r', QByteArray()).replace('\n', QByteArray());
    return DecodeWindows1252(bytes);
}

QByteArray EncodeQueryValue(const QByteArray& value) {
    static constexpr char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(value.size() * 3);
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool kept = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                          (byte >= '0' && byte <= '9') ||
                          std::string_view("!$'()*-.@_").find(c) != std::string_view::npos;
        if (kept) {
            out += c;
        } else if (byte == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0x0F];
        }
    }
    return out;
}

QString QueryValue(const QString& text) {
    return QString::fromLatin1(EncodeQueryValue(EncodeWindows1252(text)));
}

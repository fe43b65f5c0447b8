#include "site/store_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view GeneralSection = "[General]";

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool isHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char16_t escapeLetter(char16_t c) {
    switch (c) {
    case '\a':
        return 'a';
    case '\b':
        return 'b';
    case '\f':
        return 'f';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\t':
        return 't';
    case '\v':
        return 'v';
    case '"':
        return '"';
    case '\\':
        return '\\';
    default:
        return 0;
    }
}

char16_t unescapeLetter(char16_t c) {
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    default:
        return c; // \" \\ \' \? \; \, \= stand for themselves
    }
}

// Creates the file private to the user before anything is written into it.
bool preparePrivateFile(const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    if (QFileInfo::exists(path))
        return ::chmod(file.constData(), S_IRUSR | S_IWUSR) == 0;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Most values are ASCII text the file holds as it is: copy those straight through, and
// fall back to escaping for anything else.
void AppendStoreValue(QByteArray& out, const QString& value) {
    const qsizetype start = out.size();
    bool plain =
        value.isEmpty() || (value.front() != QLatin1Char(' ') && value.back() != QLatin1Char(' ') &&
                            value.front() != QLatin1Char('@'));
    if (plain) {
        out.resize(start + value.size());
        char* to = out.data() + start;
        for (const QChar ch : value) {
            const char16_t c = ch.unicode();
            if (c < 0x20 || c >= 0x7F || c == ';' || c == ',' || c == '=' || c == '"' ||
                c == '\\') {
                plain = false;
                break;
            }
            *to++ = char(c);
        }
    }
    if (!plain) {
        out.truncate(start);
        out += EncodeStoreValue(value);
    }
}

QByteArray EncodeStoreValue(const QString& value) {
    QString out;
    out.reserve(value.size() + 8);
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    if (value.startsWith(QLatin1Char('@')))
        out += QLatin1Char('@'); // a leading @ marks typed values; double it to stay text
    for (const QChar ch : value) {
        const char16_t c = ch.unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHex && isHexDigit(c)) {
            out += QStringLiteral("\\x") + QString::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        if (const char16_t letter = escapeLetter(c)) {
            out += QLatin1Char('\\');
            out += QChar(letter);
        } else if (c < 0x20 || c == 0x7F) {
            out += QStringLiteral("\\x") + QString::number(c, 16);
            escapeNextIfHex = true;
        } else {
            out += ch;
        }
    }
    if (needsQuotes || out.startsWith(QLatin1Char(' ')) || out.endsWith(QLatin1Char(' ')))
        out = QLatin1Char('"') + out + QLatin1Char('"');
    return out.toUtf8();
}

// Reads "\x" followed by up to four hex digits, or "\" and octal digits, from text at i.
char16_t numericEscape(const QString& text, qsizetype& i, int base, int maxDigits) {
    char16_t code = 0;
    for (int digits = 0; digits < maxDigits && i < text.size(); ++digits) {
        const int digit = QString(text[i]).toInt(nullptr, base);
        if (!(base == 16 ? isHexDigit(text[i].unicode())
                         : text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('7')))
            break;
        code = char16_t(code * base + digit);
        ++i;
    }
    --i;
    return code;
}

QString DecodeStoreValue(std::string_view raw) {
    raw = trimmed(raw);
    const QString text = QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    if (raw.find_first_of("\"\\,@") == std::string_view::npos)
        return text;

    // Quoted stretches, escapes, and commas outside quotes (a list: its items joined).
    bool quoted = false;
    QStringList items;
    QString item;
    item.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && i + 1 < text.size()) {
            const char16_t e = text[++i].unicode();
            if (e == 'x') {
                ++i;
                item += QChar(numericEscape(text, i, 16, 4));
            } else if (e >= '0' && e <= '7') {
                item += QChar(numericEscape(text, i, 8, 6));
            } else {
                item += QChar(unescapeLetter(e));
            }
        } else if (c == ',' && !quoted) {
            items << item.trimmed();
            item.clear();
        } else {
            item += QChar(c);
        }
    }
    QString out = item;
    if (!items.isEmpty()) {
        items << item.trimmed();
        out = items.join(QStringLiteral(", "));
    }
    if (out.startsWith(QLatin1String("@@")))
        out.remove(0, 1);
    return out;
}

StoreFile::StoreFile(const QString& path) : path_(path), bytes_(readAll(path)) {
    const std::string_view all(bytes_.constData(), std::size_t(bytes_.size()));
    lines_.reserve(std::size_t(bytes_.size() / 40));
    std::size_t at = 0;
    while (at < all.size()) {
        std::size_t end = all.find('\n', at);
        if (end == std::string_view::npos)
            end = all.size();
        const std::string_view text = all.substr(at, end - at);
        at = end + 1;
        const std::string_view t = trimmed(text);
        if (t == GeneralSection)
            continue;
        if (!t.empty() && t.front() == '[') {
            rest_ = all.substr(end - text.size());
            break;
        }
        Line line{text, {}, {}};
        const std::size_t eq = text.find('=');
        if (eq != std::string_view::npos && !t.empty() && t.front() != ';' && t.front() != '#') {
            line.name = trimmed(text.substr(0, eq));
            line.value = trimmed(text.substr(eq + 1));
        }
        lines_.push_back(line);
    }
    values_.reserve(lines_.size());
    for (const Line& line : lines_)
        if (!line.name.empty())
            values_[line.name] = line.value;
}

QString StoreFile::read(std::string_view name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? QString() : DecodeStoreValue(it->second);
}

Result StoreFile::save(const std::function<bool(std::string_view)>& drop,
                       const NewValues& newValues) const {
    const Result failed =
        Result::failure(QStringLiteral("The settings could not be saved to %1.").arg(path_));
    if (!preparePrivateFile(path_))
        return failed;

    QByteArray out;
    out.reserve(bytes_.size() + qsizetype(newValues.size()) * 48 + 16);
    out += GeneralSection.data();
    out += '\n';
    for (const Line& line : lines_) {
        if (line.name.empty() ? trimmed(line.text).empty() : drop(line.name))
            continue;
        out.append(line.text.data(), qsizetype(line.text.size()));
        out += '\n';
    }
    for (const auto& [name, value] : newValues) {
        out += name;
        out += '=';
        AppendStoreValue(out, value);
        out += '\n';
    }
    if (!rest_.empty()) {
        out += '\n';
        out.append(rest_.data(), qsizetype(rest_.size()));
    }

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        return failed;
    ::chmod(QFile::encodeName(path_).constData(), S_IRUSR | S_IWUSR);
    return Result::success();
}

StoreLock::StoreLock(const QString& path) : lock_(path + QStringLiteral(".lock")) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    lock_.setStaleLockTime(10000);
    locked_ = lock_.tryLock(10000);
}

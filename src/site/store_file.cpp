#include "site/store_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
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

// FNV-1a: names are short, and this spreads "Page_Text1_0" ... "Page_Text1_1000" well.
std::uint32_t nameHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ std::uint8_t(c)) * 16777619u;
    return hash;
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
    // Built in a standard string: appending one character at a time to a QString is slow.
    std::u16string out;
    out.reserve(std::size_t(value.size()) + 8);
    const auto appendHex = [&out](char16_t c) {
        out += u"\\x";
        out += QString::number(c, 16).toStdU16String();
    };
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    if (value.startsWith(QLatin1Char('@')))
        out += u'@'; // a leading @ marks typed values; double it to stay text
    for (const QChar ch : value) {
        const char16_t c = ch.unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHex && isHexDigit(c)) {
            appendHex(c);
            continue;
        }
        escapeNextIfHex = false;
        if (const char16_t letter = escapeLetter(c)) {
            out += u'\\';
            out += letter;
        } else if (c < 0x20 || c == 0x7F) {
            appendHex(c);
            escapeNextIfHex = true;
        } else {
            out += c;
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == u' ' || out.back() == u' '))) {
        out.insert(out.begin(), u'"');
        out += u'"';
    }
    return QString::fromStdU16String(out).toUtf8();
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
    // A plain loop: find_first_of looks up each character in the set with a call of its own.
    if (std::none_of(raw.begin(), raw.end(),
                     [](char c) { return c == '"' || c == '\\' || c == ',' || c == '@'; }))
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
    std::size_t capacity = 16;
    while (capacity < lines_.size() * 2)
        capacity *= 2;
    slots_.assign(capacity, 0);
    const std::size_t mask = capacity - 1;
    for (std::size_t n = 0; n < lines_.size(); ++n) {
        const std::string_view name = lines_[n].name;
        if (name.empty())
            continue;
        const std::uint32_t hash = nameHash(name);
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            std::uint64_t& slot = slots_[at];
            // A name given twice keeps its last value, as QSettings reads it.
            if (slot == 0 ||
                (slot >> 32 == hash && lines_[(slot & 0xffffffffu) - 1].name == name)) {
                slot = std::uint64_t(hash) << 32 | (n + 1);
                break;
            }
        }
    }
}

const StoreFile::Line* StoreFile::find(std::string_view name) const {
    const std::uint32_t hash = nameHash(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask; slots_[at] != 0; at = (at + 1) & mask) {
        const std::uint64_t slot = slots_[at];
        const Line& line = lines_[(slot & 0xffffffffu) - 1];
        if (slot >> 32 == hash && line.name == name)
            return &line;
    }
    return nullptr;
}

QString StoreFile::read(std::string_view name) const {
    const Line* line = find(name);
    return line ? DecodeStoreValue(line->value) : QString();
}

void StoreValueWriter::add(std::string_view name, const QString& value) {
    out_.append(name.data(), qsizetype(name.size()));
    out_ += '=';
    AppendStoreValue(out_, value);
    out_ += '\n';
}

Result StoreFile::save(const std::function<bool(std::string_view)>& drop,
                       const NewValues& newValues) const {
    return save(
        drop,
        [&newValues](StoreValueWriter& writer) {
            for (const auto& [name, value] : newValues)
                writer.add(std::string_view(name.constData(), std::size_t(name.size())), value);
        },
        qsizetype(newValues.size()) * 48);
}

Result StoreFile::save(const std::function<bool(std::string_view)>& drop,
                       const std::function<void(StoreValueWriter&)>& writeNew,
                       qsizetype extraBytes) const {
    const Result failed =
        Result::failure(QStringLiteral("The settings could not be saved to %1.").arg(path_));
    if (!preparePrivateFile(path_))
        return failed;

    QByteArray out;
    out.reserve(bytes_.size() + extraBytes + 16);
    out += GeneralSection.data();
    out += '\n';
    for (const Line& line : lines_) {
        if (line.name.empty() ? trimmed(line.text).empty() : drop(line.name))
            continue;
        out.append(line.text.data(), qsizetype(line.text.size()));
        out += '\n';
    }
    StoreValueWriter writer(out);
    writeNew(writer);
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

StoreLock::StoreLock(const QString& path, int waitMs) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Not ".lock": that is the name QSettings gives its own lock files, which are removed
    // after use, while this one stays.
    const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".flock"));
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return;
    constexpr int pauseMs = 5;
    for (int waited = 0;; waited += pauseMs) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= waitMs)
            break;
        ::usleep(pauseMs * 1000);
    }
    ::close(fd);
}

StoreLock::~StoreLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

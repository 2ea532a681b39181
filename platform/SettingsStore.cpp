#include "platform/SettingsStore.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/RawFile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStringDecoder>
#include <optional>

namespace settings {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The file as lines, and how a rewrite spells it as it was.
struct FileLines {
    QList<QByteArray> lines;
    bool crlf = false;
    bool byteOrderMark = false;
};

// The file's bytes: none when it does not exist; nothing at all when it cannot be read (a
// write must then not replace it).
std::optional<QByteArray> readBytes(const QString& path) {
    auto file = RegularFile::open(path);
    if (!file && file.error().kind == FileOpenError::Missing)
        return QByteArray();
    return file ? file->readAll() : std::nullopt;
}

FileLines splitLines(QByteArray all) {
    FileLines text;
    text.byteOrderMark = all.startsWith(kByteOrderMark);
    if (text.byteOrderMark)
        all.remove(0, 3);
    text.crlf = all.contains("\r\n");
    text.lines = all.split('\n');
    if (!text.lines.isEmpty() && text.lines.last().isEmpty())
        text.lines.removeLast();
    for (QByteArray& line : text.lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return text;
}

std::optional<QByteArray> sectionName(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.contains(']'))
        return std::nullopt;
    return t.mid(1, t.indexOf(']') - 1).trimmed();
}

// A name or value as text. Only the file's first bytes can be a byte order mark (splitLines
// takes it off): a U+FEFF that starts a name or a value is part of it.
QString textOf(const QByteArray& bytes) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                    QStringDecoder::Flag::ConvertInitialBom);
    return decode(bytes);
}

bool sameName(const QByteArray& a, const QString& b) {
    return textOf(a).compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The key of a "key=value" line, or nothing for other lines (comments included).
std::optional<QByteArray> keyOf(const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    const QByteArray t = line.trimmed();
    if (eq < 0 || t.startsWith(';') || t.startsWith('#') || t.startsWith('['))
        return std::nullopt;
    return line.left(eq).trimmed();
}

QByteArray valueOf(const QByteArray& line) {
    return line.mid(line.indexOf('=') + 1).trimmed();
}

struct Position {
    qsizetype sectionLine = -1; // the section header, -1 if absent
    qsizetype keyLine = -1;     // the key's line, -1 if absent
    qsizetype lastLine = -1;    // last non-blank line of the section
};

Position locate(const QList<QByteArray>& lines, const QString& section, const QString& key) {
    Position pos;
    bool inside = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (pos.sectionLine >= 0 && inside)
                break; // only the first section of that name counts
            inside = sameName(*name, section);
            if (inside)
                pos.sectionLine = pos.lastLine = i;
            continue;
        }
        if (!inside)
            continue;
        if (!lines[i].trimmed().isEmpty())
            pos.lastLine = i;
        const auto k = keyOf(lines[i]);
        if (k && pos.keyLine < 0 && sameName(*k, key))
            pos.keyLine = i;
    }
    return pos;
}

std::optional<QByteArray> rawValue(const QString& section, const QString& key,
                                   const QString& path) {
    return valueIn(readBytes(path).value_or(QByteArray()), section, key);
}

} // namespace

QString readString(const QString& section, const QString& key, const QString& fallback,
                   const QString& path) {
    const auto value = rawValue(section, key, path);
    const QString text = value ? textOf(*value) : fallback;
    return text.left(kMaxValueLength);
}

int readInt(const QString& section, const QString& key, int fallback, const QString& path) {
    const auto value = rawValue(section, key, path);
    if (!value)
        return fallback;
    // The decimal number at the start of the value; no digits read as 0.
    long long number = 0;
    qsizetype i = 0;
    const bool negative = value->startsWith('-');
    if (negative || value->startsWith('+'))
        i = 1;
    for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i) {
        number = number * 10 + ((*value)[i] - '0');
        if (number > 0x7fffffffLL)
            number = 0x80000000LL; // keep within the 32-bit range as the value wraps
    }
    return int(negative ? -number : number);
}

std::optional<QByteArray> valueIn(const QByteArray& file, const QString& section,
                                  const QString& key) {
    const QList<QByteArray> lines = splitLines(file).lines;
    const Position pos = locate(lines, section, key);
    if (pos.keyLine < 0)
        return std::nullopt;
    return valueOf(lines[pos.keyLine]);
}

std::optional<QByteArray> withValue(const QByteArray& file, const QString& section,
                                    const QString& key, const QString& value) {
    // A line break inside a name or value would add lines of its own to the file.
    for (const QString* text : {&section, &key, &value})
        if (text->contains(QLatin1Char('\n')) || text->contains(QLatin1Char('\r')))
            return std::nullopt;
    FileLines read = splitLines(file);
    QList<QByteArray>& lines = read.lines;
    const QByteArray entry = key.trimmed().toUtf8() + '=' + value.trimmed().toUtf8();
    const Position pos = locate(lines, section, key);
    if (pos.keyLine >= 0) {
        // The key keeps the spelling it has in the file.
        lines[pos.keyLine] = *keyOf(lines[pos.keyLine]) + '=' + value.trimmed().toUtf8();
    } else if (pos.sectionLine >= 0) {
        lines.insert(pos.lastLine + 1, entry);
    } else {
        lines << '[' + section.trimmed().toUtf8() + ']' << entry;
    }
    const QByteArray eol = read.crlf ? "\r\n" : "\n";
    QByteArray text = read.byteOrderMark ? kByteOrderMark : "";
    for (const QByteArray& line : std::as_const(lines))
        text += line + eol;
    return text;
}

namespace {

// A file the user has made read-only keeps its contents, even where the folder would let a
// replacement be renamed over it.
bool isReadOnly(const QString& path) {
    constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFile::exists(path) && !(QFile::permissions(path) & anyWrite);
}

} // namespace

bool writeString(const QString& section, const QString& key, const QString& value,
                 const QString& path) {
    return writeStrings({Entry{section, key, value}}, path);
}

bool writeStrings(const QList<Entry>& entries, const QString& path) {
    const FileLock lock(path); // another program's write between the read and ours would be lost
    if (isReadOnly(path))
        return false;
    std::optional<QByteArray> text = readBytes(path);
    for (const Entry& entry : entries)
        if (text)
            text = withValue(*text, entry.section, entry.key, entry.value);
    return text && writeFileAtomically(path, *text);
}

QString dataFilePath(const QString& programDir) {
    if (programDir.endsWith(QLatin1Char('/')))
        return programDir + QStringLiteral("Tembrel.dat");
    return programDir + QStringLiteral("/Tembrel.dat");
}

} // namespace settings

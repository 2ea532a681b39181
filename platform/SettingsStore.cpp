#include "platform/SettingsStore.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/RawFile.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
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

// Every key of the first section of that name, by its case-folded name: the first line of a key
// counts, as locate finds it.
QHash<QString, QByteArray> sectionValues(const QList<QByteArray>& lines, const QString& section) {
    QHash<QString, QByteArray> values;
    bool inside = false;
    bool seen = false;
    for (const QByteArray& line : lines) {
        if (const auto name = sectionName(line)) {
            if (seen && inside)
                break;
            inside = sameName(*name, section);
            seen = seen || inside;
            continue;
        }
        if (!inside)
            continue;
        if (const auto key = keyOf(line)) {
            const QString folded = textOf(*key).toCaseFolded();
            if (!values.contains(folded))
                values.insert(folded, valueOf(line));
        }
    }
    return values;
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

QStringList readStrings(const QString& section, const QStringList& keys, const QString& fallback,
                        const QString& path) {
    const QByteArray file = readBytes(path).value_or(QByteArray());
    const QHash<QString, QByteArray> values = sectionValues(splitLines(file).lines, section);
    QStringList texts;
    texts.reserve(keys.size());
    for (const QString& key : keys) {
        const auto value = values.constFind(key.trimmed().toCaseFolded());
        texts.append((value == values.cend() ? fallback : textOf(*value)).left(kMaxValueLength));
    }
    return texts;
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
    return withValues(file, {Entry{section, key, value}});
}

namespace {

// Where each section's keys are, found in one pass over the lines, so that setting many keys
// does not search the file once per key. Like locate, only the first section of a name counts.
struct SectionPlace {
    qsizetype lastLine = -1; // its last non-blank line: new keys go after it
    QHash<QString, qsizetype> keyLines;
};

QHash<QString, SectionPlace> sectionPlaces(const QList<QByteArray>& lines) {
    QHash<QString, SectionPlace> places;
    SectionPlace* current = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            const QString folded = textOf(*name).toCaseFolded();
            current = places.contains(folded) ? nullptr : &places[folded];
            if (current)
                current->lastLine = i;
            continue;
        }
        if (!current)
            continue;
        if (!lines[i].trimmed().isEmpty())
            current->lastLine = i;
        if (const auto k = keyOf(lines[i])) {
            const QString folded = textOf(*k).toCaseFolded();
            if (!current->keyLines.contains(folded))
                current->keyLines.insert(folded, i);
        }
    }
    return places;
}

} // namespace

std::optional<QByteArray> withValues(const QByteArray& file, const QList<Entry>& entries) {
    // A line break inside a name or value would add lines of its own to the file.
    for (const Entry& entry : entries)
        for (const QString* text : {&entry.section, &entry.key, &entry.value})
            if (text->contains(QLatin1Char('\n')) || text->contains(QLatin1Char('\r')))
                return std::nullopt;
    const FileLines read = splitLines(file);
    // Each line of the file with the lines added after it; new sections go at the end.
    QList<QList<QByteArray>> lines;
    lines.reserve(read.lines.size());
    for (const QByteArray& line : read.lines)
        lines.append({line});
    QHash<QString, SectionPlace> places = sectionPlaces(read.lines);
    // A place is a line and which of its lines: 0 is the line itself, then those added after it.
    QHash<QString, QHash<QString, std::pair<qsizetype, qsizetype>>> added;
    for (const Entry& entry : entries) {
        const QString section = entry.section.trimmed().toCaseFolded();
        const QString key = entry.key.trimmed().toCaseFolded();
        const QByteArray value = entry.value.trimmed().toUtf8();
        const auto addedAt = added.value(section).value(key, {-1, -1});
        if (addedAt.first >= 0) {
            QByteArray& line = lines[addedAt.first][addedAt.second];
            line = *keyOf(line) + '=' + value;
            continue;
        }
        const auto place = places.constFind(section);
        const qsizetype keyLine = place == places.cend() ? -1 : place->keyLines.value(key, -1);
        if (keyLine >= 0) {
            // The key keeps the spelling it has in the file.
            lines[keyLine][0] = *keyOf(lines[keyLine][0]) + '=' + value;
            continue;
        }
        qsizetype after = place == places.cend() ? -1 : place->lastLine;
        if (after < 0) {
            lines.append({'[' + entry.section.trimmed().toUtf8() + ']'});
            after = lines.size() - 1;
            places[section].lastLine = after;
        }
        lines[after].append(entry.key.trimmed().toUtf8() + '=' + value);
        added[section][key] = {after, lines[after].size() - 1};
    }
    const QByteArray eol = read.crlf ? "\r\n" : "\n";
    QByteArray text = read.byteOrderMark ? kByteOrderMark : "";
    for (const auto& slot : std::as_const(lines))
        for (const QByteArray& line : slot)
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
    if (text)
        text = withValues(*text, entries);
    return text && writeFileAtomically(path, *text);
}

QString dataFilePath(const QString& programDir) {
    if (programDir.endsWith(QLatin1Char('/')))
        return programDir + QStringLiteral("Tembrel.dat");
    return programDir + QStringLiteral("/Tembrel.dat");
}

} // namespace settings

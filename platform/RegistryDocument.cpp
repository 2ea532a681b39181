#include "platform/RegistryDocument.h"

namespace {

QString foldedName(const QString& text) {
    return text.toCaseFolded();
}

QByteArray lineEndOf(const QByteArray& line) {
    if (line.endsWith("\r\n"))
        return "\r\n";
    return line.endsWith('\n') ? "\n" : "";
}

// The text of one line: without its line end, its blanks and (on the first line) a byte order
// mark.
QString lineText(const QByteArray& line, bool first) {
    QString text = QString::fromUtf8(line).trimmed();
    if (first && text.startsWith(QChar(0xFEFF)))
        text = text.mid(1).trimmed();
    return text;
}

QList<QByteArray> splitKeepingLineEnds(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        lines.append(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

} // namespace

std::expected<RegKeys, QString> parseRegText(const QByteArray& bytes) {
    auto document = RegDocument::parse(bytes);
    if (!document)
        return std::unexpected(document.error());
    return document->keys();
}

std::expected<RegDocument, QString> RegDocument::parse(const QByteArray& bytes) {
    RegDocument document;
    bool sawHeader = false;
    qsizetype current = -1;
    const QList<QByteArray> lines = splitKeepingLineEnds(bytes);
    document.m_slots.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        document.m_slots.append({lines[i], {}});
        const Place place{i, -1};
        const QString text = lineText(lines[i], !sawHeader);
        if (text.isEmpty() || text.startsWith(QLatin1Char(';')))
            continue;
        const auto fail = [&](const char* what) {
            return std::unexpected(QStringLiteral("line %1: %2").arg(i + 1).arg(what));
        };
        if (!sawHeader) {
            if (text != QLatin1String("REGEDIT4"))
                return fail("no REGEDIT4 header");
            sawHeader = true;
            if (!lineEndOf(lines[i]).isEmpty())
                document.m_lineEnd = lineEndOf(lines[i]);
        } else if (text.startsWith(QLatin1Char('['))) {
            const auto path = parseRegKeyLine(text);
            if (!path)
                return fail("not a key of a known root");
            document.listKey(*path, place);
            current = document.indexOf(*path);
        } else {
            const auto value = parseRegValueLine(text);
            if (current < 0 || !value)
                return fail("not a value line");
            document.recordValue(current, *value, place);
        }
    }
    if (!sawHeader)
        return std::unexpected(QStringLiteral("empty file"));
    return document;
}

qsizetype RegDocument::indexOf(const QString& path) const {
    return m_keyIndex.value(foldedName(path), -1);
}

bool RegDocument::isListed(const QString& path) const {
    return indexOf(path) >= 0;
}

bool RegDocument::isListedOrBelow(const QString& path) const {
    if (isListed(path))
        return true;
    const QString prefix = path + QLatin1Char('\\');
    for (const auto& key : m_keys)
        if (key.path.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    return false;
}

const RegKeyText::Value* RegDocument::value(const QString& path, const QString& name) const {
    const qsizetype key = indexOf(path);
    if (key < 0)
        return nullptr;
    const qsizetype at = m_lines[key].valueIndex.value(foldedName(name), -1);
    return at < 0 ? nullptr : &m_keys[key].values[at];
}

// A key listed again goes on in its later section: new values are added there.
void RegDocument::listKey(const QString& path, Place place) {
    const qsizetype key = indexOf(path);
    if (key >= 0) {
        m_lines[key].last = place;
        return;
    }
    m_keyIndex.insert(foldedName(path), m_keys.size());
    m_keys.append({path, {}});
    m_lines.append({{}, {}, place});
}

void RegDocument::recordValue(qsizetype key, const RegKeyText::Value& value, Place place) {
    KeyLines& lines = m_lines[key];
    lines.last = place;
    const QString folded = foldedName(value.name);
    const qsizetype at = lines.valueIndex.value(folded, -1);
    if (at >= 0) {
        m_keys[key].values[at] = value;
        lines.valuePlace[at] = place;
        return;
    }
    lines.valueIndex.insert(folded, m_keys[key].values.size());
    m_keys[key].values.append(value);
    lines.valuePlace.append(place);
}

QByteArray& RegDocument::lineAt(Place place) {
    Slot& slot = m_slots[place.slot];
    return place.added < 0 ? slot.text : slot.added[place.added];
}

// Lines are added at the end of a slot, so the places already handed out stay where they are.
// Only one key's lines ever follow a slot: the key whose last line it is.
RegDocument::Place RegDocument::insertAfter(Place place, const QByteArray& line) {
    Slot& slot = m_slots[place.slot];
    QByteArray& previous = slot.added.isEmpty() ? slot.text : slot.added.last();
    if (lineEndOf(previous).isEmpty())
        previous += m_lineEnd;
    slot.added.append(line + m_lineEnd);
    return {place.slot, slot.added.size() - 1};
}

// A new key goes at the end in a slot of its own, after a blank line.
void RegDocument::addKey(const QString& path) {
    if (isListed(path))
        return;
    Slot& end = m_slots.last();
    QByteArray& lastLine = end.added.isEmpty() ? end.text : end.added.last();
    if (lineEndOf(lastLine).isEmpty())
        lastLine += m_lineEnd;
    m_slots.append({m_lineEnd, {}});
    listKey(path, insertAfter({m_slots.size() - 1, -1}, '[' + path.toUtf8() + ']'));
}

void RegDocument::setString(const QString& path, const QString& name, const QString& text) {
    addKey(path);
    const qsizetype key = indexOf(path);
    const qsizetype at = m_lines[key].valueIndex.value(foldedName(name), -1);
    if (at < 0) {
        const RegKeyText::Value value{name, text, false};
        const Place place = insertAfter(m_lines[key].last, renderRegValueLine(value).toUtf8());
        recordValue(key, value, place);
        return;
    }
    // The value keeps the spelling of its name and its place in the file.
    RegKeyText::Value& value = m_keys[key].values[at];
    value = {value.name, text, false};
    QByteArray& line = lineAt(m_lines[key].valuePlace[at]);
    line = renderRegValueLine(value).toUtf8() + lineEndOf(line);
}

QByteArray RegDocument::bytes() const {
    QByteArray out;
    for (const Slot& slot : m_slots) {
        out += slot.text;
        for (const QByteArray& line : slot.added)
            out += line;
    }
    return out;
}

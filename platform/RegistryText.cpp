#include "platform/RegistryText.h"

#include <QStringList>

namespace {

const QString kHeader = QStringLiteral("REGEDIT4");

bool isKnownRoot(const QString& path) {
    const QString root = path.section(QLatin1Char('\\'), 0, 0);
    for (const char* name : {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"})
        if (root.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Reads a quoted string starting at text[from] == '"'; sets `end` past the closing quote.
std::optional<QString> readQuoted(const QString& text, qsizetype from, qsizetype& end) {
    QString out;
    for (qsizetype i = from + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"')) {
            end = i + 1;
            return out;
        }
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == QLatin1Char('\\') || next == QLatin1Char('"')) {
                out += next;
                ++i;
                continue;
            }
            // Our own files escape line breaks, which a line-based format cannot hold.
            if (next == QLatin1Char('n') || next == QLatin1Char('r')) {
                out += next == QLatin1Char('n') ? QLatin1Char('\n') : QLatin1Char('\r');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return std::nullopt;
}

} // namespace

QString escapeRegString(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

RegKeyText* findRegKey(RegKeys& keys, const QString& path) {
    for (auto& key : keys)
        if (key.path.compare(path, Qt::CaseInsensitive) == 0)
            return &key;
    return nullptr;
}

const RegKeyText::Value* findRegValue(const RegKeyText& key, const QString& name) {
    for (const auto& value : key.values)
        if (value.name.compare(name, Qt::CaseInsensitive) == 0)
            return &value;
    return nullptr;
}

namespace {

QString quotedForStore(const QString& text) {
    QString escaped = escapeRegString(text);
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    escaped.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

std::optional<RegKeyText::Value> parseRegValueLine(const QString& line) {
    RegKeyText::Value value;
    qsizetype pos = 0;
    if (line.startsWith(QLatin1String("@="))) {
        pos = 1;
    } else if (line.startsWith(QLatin1Char('"'))) {
        auto name = readQuoted(line, 0, pos);
        if (!name || pos >= line.size() || line[pos] != QLatin1Char('='))
            return std::nullopt;
        value.name = *name;
    } else {
        return std::nullopt;
    }
    const QString rest = line.mid(pos + 1);
    if (rest.startsWith(QLatin1Char('"'))) {
        qsizetype end = 0;
        auto text = readQuoted(rest, 0, end);
        if (!text || end != rest.size())
            return std::nullopt;
        value.text = *text;
        return value;
    }
    // dword:, hex: and friends on one line are kept as they are; continued lines are not.
    if (rest.isEmpty() || !rest.contains(QLatin1Char(':')) || rest.endsWith(QLatin1Char('\\')))
        return std::nullopt;
    value.text = rest;
    value.raw = true;
    return value;
}

std::optional<QString> parseRegKeyLine(const QString& line) {
    if (!line.startsWith(QLatin1Char('[')) || !line.endsWith(QLatin1Char(']')))
        return std::nullopt;
    const QString path = line.mid(1, line.size() - 2);
    if (!isKnownRoot(path))
        return std::nullopt;
    return path;
}

QString renderRegValueLine(const RegKeyText::Value& value) {
    return (value.name.isEmpty() ? QStringLiteral("@") : quotedForStore(value.name)) +
           QLatin1Char('=') + (value.raw ? value.text : quotedForStore(value.text));
}

QByteArray renderRegText(const RegKeys& keys) {
    QString out = kHeader + QLatin1Char('\n');
    for (const auto& key : keys) {
        out += QLatin1String("\n[") + key.path + QLatin1String("]\n");
        for (const auto& value : key.values)
            out += renderRegValueLine(value) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

#include "schemes/SchemeWriters.h"

#include "platform/RegistryText.h"
#include "schemes/EventTable.h"

#include <QStringList>

namespace {

QByteArray crlf(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

const QString kThemeRule(38, QLatin1Char('-'));
const QString kScriptRule = QStringLiteral(" ;") + QString(49, QLatin1Char('-'));

QStringList scriptHead() {
    return {QStringLiteral("REGEDIT4"),
            QString(),
            kScriptRule,
            QStringLiteral(" ;This Registry Script was created by Tembrel"),
            kScriptRule,
            QString()};
}

} // namespace

QString RowSection(const SchemeRow& row) {
    return SectionForCaption(row.caption);
}

QString themeCopyName(const QString& themeName, const SchemeRow& row) {
    return themeName + QLatin1Char(' ') + ThemeFileNameForSection(RowSection(row));
}

QByteArray themeFileText(const QString& themeName, const QList<SchemeRow>& rows) {
    QStringList lines{kThemeRule, QStringLiteral("This file was created by Tembrel"), kThemeRule};
    for (const SchemeRow& row : rows) {
        if (row.fileName.isEmpty())
            continue;
        lines << RowSection(row)
              << QStringLiteral("DefaultValue=%ThemeDir%") + themeName + QLatin1Char('/') +
                     themeCopyName(themeName, row)
              << QString();
    }
    lines << QStringLiteral("[MasterThemeSelector]") << QStringLiteral("MTSM=DABJDKT");
    return crlf(lines);
}

namespace {

bool holdsLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// A row with a sound and an event; a row without an event has no key to set.
bool isScripted(const SchemeRow& row) {
    return !row.fileName.isEmpty() && !RowSection(row).isEmpty();
}

// A REGEDIT4 reader takes a quoted string in the system's ANSI code page, which cannot be
// counted on to hold every letter. A path beyond ASCII is written as the string's own bytes,
// UTF-16LE with its terminator, which a reader stores unconverted: hex(1) is a string value.
QString defaultValueLine(const QString& path) {
    bool ascii = true;
    for (const QChar c : path)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return QStringLiteral("@=\"") + escapeRegString(path) + QLatin1Char('"');
    QStringList bytes;
    for (const QChar c : path + QChar(0))
        bytes << QStringLiteral("%1").arg(c.unicode() & 0xff, 2, 16, QLatin1Char('0'))
              << QStringLiteral("%1").arg(c.unicode() >> 8, 2, 16, QLatin1Char('0'));
    return QStringLiteral("@=hex(1):") + bytes.join(QLatin1Char(','));
}

} // namespace

std::optional<QString> unscriptablePath(const QList<SchemeRow>& rows) {
    for (const SchemeRow& row : rows)
        if (isScripted(row) && holdsLineBreak(row.filePath))
            return row.filePath;
    return std::nullopt;
}

QByteArray registryScriptText(const QList<SchemeRow>& rows) {
    QStringList lines = scriptHead();
    for (const SchemeRow& row : rows) {
        if (!isScripted(row) || holdsLineBreak(row.filePath))
            continue;
        lines << QStringLiteral("[HKEY_CURRENT_USER\\") + RowSection(row).mid(1)
              << defaultValueLine(row.filePath);
    }
    return crlf(lines);
}

bool isOurRegistryScript(const QByteArray& bytes) {
    return bytes.startsWith(crlf(scriptHead()));
}

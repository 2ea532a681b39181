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

QByteArray registryScriptText(const QList<SchemeRow>& rows) {
    QStringList lines = scriptHead();
    for (const SchemeRow& row : rows) {
        if (row.fileName.isEmpty())
            continue;
        lines << QStringLiteral("[HKEY_CURRENT_USER\\") + RowSection(row).mid(1)
              << QStringLiteral("@=\"") + escapeRegString(row.filePath) + QLatin1Char('"');
    }
    return crlf(lines);
}

bool isOurRegistryScript(const QByteArray& bytes) {
    return bytes.startsWith(crlf(scriptHead()));
}

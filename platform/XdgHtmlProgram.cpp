#include "platform/XdgHtmlProgram.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kQueryTimeoutMs = 5000;

QString defaultHtmlEntryName() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        query.kill();
        return {};
    }
    // Several entries may be named, separated by semicolons; the first is the default.
    const QString output = QString::fromLocal8Bit(query.readAllStandardOutput());
    return output.section(u'\n', 0, 0).section(u';', 0, 0).trimmed();
}

} // namespace

std::optional<QString> desktopEntryExec(const QString& entryText) {
    bool inEntryGroup = false;
    for (const QString& rawLine : entryText.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            inEntryGroup = (line == QStringLiteral("[Desktop Entry]"));
            continue;
        }
        if (!inEntryGroup)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && line.left(equals).trimmed() == QStringLiteral("Exec"))
            return line.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}

std::optional<QString> XdgHtmlProgram::execLine() {
    const QString name = defaultHtmlEntryName();
    if (name.isEmpty() || name.contains(u'/'))
        return std::nullopt;
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, name);
    QFile entry(path);
    if (path.isEmpty() || !entry.open(QIODevice::ReadOnly))
        return std::nullopt;
    return desktopEntryExec(QString::fromUtf8(entry.readAll()));
}

#include "platform/TrashInfo.h"

#include "platform/AtomicFile.h"
#include "platform/NativeName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray escapedTrashPath(const QByteArray& path) {
    return path.toPercentEncoding("/");
}

namespace {

QString infoFileOf(const QString& trashedPath) {
    const QFileInfo trashed(trashedPath);
    return trashed.dir().absoluteFilePath(QStringLiteral("../info/")) + trashed.fileName() +
           QStringLiteral(".trashinfo");
}

// The Path= value as Qt wrote it names the original file, absolute or relative to the top of
// its file system.
bool namesOriginal(const QByteArray& value, const QByteArray& original) {
    return !value.isEmpty() && (value == original || original.endsWith('/' + value));
}

} // namespace

bool escapeTrashInfoPath(const QString& trashedPath, const QString& originalPath) {
    const QString infoPath = infoFileOf(trashedPath);
    QFile info(infoPath);
    if (!info.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines = info.readAll().split('\n');
    info.close();
    const QByteArray original = nativename::encode(QFileInfo(originalPath).absoluteFilePath());
    for (QByteArray& line : lines) {
        if (!line.startsWith("Path="))
            continue;
        const QByteArray value = line.mid(5);
        if (!namesOriginal(value, original) || escapedTrashPath(value) == value)
            return true;
        line = "Path=" + escapedTrashPath(value);
        return writeFileAtomically(infoPath, lines.join('\n'));
    }
    return false;
}

#include "browser/FolderScan.h"

#include "platform/ProgramDirectory.h"

#include <QDir>
#include <QDirIterator>

QString displayName(const QString& fileName) { return pathhelp::fileTitle(fileName); }


static bool isWavName(const QString& name) {
    return name.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive);
}

QStringList scanWavFolder(const QString& folder) {
    QStringList names;
    if (!QDir::setCurrent(folder))
        return names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (isWavName(name))
            names.append(displayName(name));
    }
    return names;
}

bool folderHasWavFiles(const QString& folder) {
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (isWavName(it.fileName()))
            return true;
    }
    return false;
}

#include "browser/FolderScan.h"

#include "platform/DirectoryListing.h"
#include "platform/ProgramDirectory.h"

#include <QDir>

QString displayName(const QString& fileName) {
    return pathhelp::fileTitle(fileName);
}

QStringList scanWavFolder(const QString& folder) {
    if (!QDir::setCurrent(folder))
        return {};
    QStringList names = listRegularFilesEndingWith(folder, ".wav").value_or(QStringList());
    for (QString& name : names)
        name = displayName(name);
    return names;
}

bool folderHasWavFiles(const QString& folder) {
    const auto names = listRegularFilesEndingWith(folder, ".wav");
    return names && !names->isEmpty();
}

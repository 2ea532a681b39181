#include "core/FolderScan.h"

#include "platform/DirectoryListing.h"
#include "platform/ProgramDirectory.h"

#include <QDir>

QString displayName(const QString& fileName) {
    return pathhelp::fileTitle(fileName);
}

ListedNames scanWavFolder(const QString& folder) {
    if (!QDir::setCurrent(folder))
        return {};
    // The suffix is the last extension, so the names come as their display names.
    return listRegularFilesEndingWith(folder, ".wav", Suffix::Drop).value_or(ListedNames());
}

bool folderHasWavFiles(const QString& folder) {
    const auto names = listRegularFilesEndingWith(folder, ".wav");
    return names && !names->names.isEmpty();
}

#include "platform/FileSystem.h"

#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <unistd.h>

bool LocalFileSystem::copyFile(const QString& source, const QString& destination,
                               bool overwrite) {
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(destination).canonicalFilePath())
        return false; // copying a file onto itself would only risk it
    return copyFileAtomically(source, destination, overwrite);
}

bool LocalFileSystem::removeFile(const QString& path) {
    return QFileInfo(path).isFile() && QFile::remove(path);
}

bool LocalFileSystem::exists(const QString& path) { return QFileInfo(path).isFile(); }

std::optional<qint64> LocalFileSystem::fileSize(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

bool LocalFileSystem::isWritable(const QString& path) {
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

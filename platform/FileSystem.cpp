#include "platform/FileSystem.h"

#include "platform/AtomicFile.h"
#include "platform/FileLookBatch.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

bool LocalFileSystem::copyFile(const QString& source, const QString& destination, bool overwrite) {
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(destination).canonicalFilePath())
        return false; // copying a file onto itself would only risk it
    return copyFileAtomically(source, destination, overwrite);
}

bool LocalFileSystem::removeFile(const QString& path) {
    return QFileInfo(path).isFile() && QFile::remove(path);
}

bool LocalFileSystem::trashFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    return QFile::moveToTrash(path) || QFile::remove(path);
}

// One stat: the lists and the status lines ask this of every sound.
static std::optional<struct stat> statRegularFile(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return info;
}

bool LocalFileSystem::exists(const QString& path) {
    return statRegularFile(path).has_value();
}

std::optional<qint64> LocalFileSystem::fileSize(const QString& path) {
    // In a batch the size comes with the look that the header readers use next; a file that
    // cannot be opened may still have a size.
    if (FileLookBatch::aliveOnThisThread()) {
        if (const FileLook look = batchedLookAtFile(path); look.opened)
            return look.regularSize;
    }
    const auto info = statRegularFile(path);
    if (!info)
        return std::nullopt;
    return qint64(info->st_size);
}

bool LocalFileSystem::isWritable(const QString& path) {
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

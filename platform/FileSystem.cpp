#include "platform/FileSystem.h"

#include "platform/AtomicFile.h"
#include "platform/FileLookBatch.h"
#include "platform/NativeName.h"
#include "platform/TrashInfo.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

// One stat: the lists and the status lines ask this of every sound.
static std::optional<struct stat> statRegularFile(const QString& path) {
    struct stat info {};
    if (::stat(nativename::encode(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return info;
}

static bool isSameFile(const QString& a, const QString& b) {
    const auto first = statRegularFile(a);
    const auto second = statRegularFile(b);
    return first && second && first->st_dev == second->st_dev && first->st_ino == second->st_ino;
}

bool LocalFileSystem::copyFile(const QString& source, const QString& destination, bool overwrite) {
    if (isSameFile(source, destination))
        return false; // copying a file onto itself would only risk it
    return copyFileAtomically(source, destination, overwrite);
}

bool LocalFileSystem::removeFile(const QString& path) {
    return statRegularFile(path) && ::unlink(nativename::encode(path).constData()) == 0;
}

bool LocalFileSystem::trashFile(const QString& path) {
    if (!statRegularFile(path))
        return false;
    // Qt's Trash spells every name as UTF-8; a name with other bytes is moved into the home
    // Trash by its bytes. Where no Trash takes a file, it is deleted.
    // Qt makes its Trash in the working directory (the sound folder) when the folder that
    // holds the Trash is missing, as on a new account; it belongs in the user's data folder.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(dataHome);
    if (nativename::holdsForeignBytes(path)) {
        if (moveToHomeTrash(nativename::encode(path),
                            nativename::encode(dataHome + QStringLiteral("/Trash"))))
            return true;
        return removeFile(path);
    }
    QString trashed;
    if (QFile::moveToTrash(path, &trashed)) {
        escapeTrashInfoPath(trashed, path);
        return true;
    }
    return removeFile(path);
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
    return ::access(nativename::encode(path).constData(), W_OK) == 0;
}

#include "platform/Folders.h"

#include "platform/NativeName.h"
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

bool LocalFolders::exists(const QString& path) {
    struct stat info {};
    return ::lstat(nativename::encode(path).constData(), &info) == 0;
}

// RENAME_NOREPLACE makes the check for an existing target and the rename one step.
bool LocalFolders::renameFolder(const QString& from, const QString& to) {
    const QByteArray source = nativename::encode(from);
    struct stat info {};
    if (::lstat(source.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    const QByteArray target = nativename::encode(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    // A file system without the flag: check first, then rename.
    if (errno != EINVAL || exists(to))
        return false;
    return ::rename(source.constData(), target.constData()) == 0;
}

#include "platform/PrivateFolder.h"

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

bool makePrivateFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    ::mkdir(name.constData(), 0700);
    struct stat info {};
    return ::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 07777) == 0700;
}

#include "platform/DirectoryListing.h"

#include <QFile>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>

namespace {

bool isRegular(int dirFd, const dirent& entry) {
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
        return false;
    struct stat info {};
    return ::fstatat(dirFd, entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

bool endsWith(const char* name, const QByteArray& suffix) {
    const size_t length = std::strlen(name);
    const size_t suffixLength = size_t(suffix.size());
    return length >= suffixLength &&
           ::strncasecmp(name + length - suffixLength, suffix.constData(), suffixLength) == 0;
}

} // namespace

std::optional<QStringList> listRegularFilesEndingWith(const QString& folder,
                                                      const QByteArray& suffix) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (endsWith(entry->d_name, suffix) && isRegular(fd, *entry))
            names.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(dir);
    return names;
}

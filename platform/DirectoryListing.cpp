#include "platform/DirectoryListing.h"

#include <QFile>
#include <algorithm>
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

bool endsWith(const char* name, size_t length, const QByteArray& suffix) {
    const size_t suffixLength = size_t(suffix.size());
    return length >= suffixLength &&
           ::strncasecmp(name + length - suffixLength, suffix.constData(), suffixLength) == 0;
}

bool isAscii(const char* name, size_t length) {
    return std::all_of(name, name + length, [](char c) { return (c & 0x80) == 0; });
}

// The file name as text without its last dropped bytes; plain ASCII names, the usual kind,
// skip the general decoder.
QString decodedName(const char* name, size_t length, size_t dropped) {
    if (isAscii(name, length))
        return QString::fromLatin1(name, qsizetype(length - dropped));
    // Decoded whole, then cut, so that bytes that are not UTF-8 read exactly as they always did.
    return QFile::decodeName(QByteArray(name, qsizetype(length))).chopped(qsizetype(dropped));
}

} // namespace

std::optional<QStringList> listRegularFilesEndingWith(const QString& folder,
                                                      const QByteArray& suffix, Suffix keep) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    const int fd = ::dirfd(dir);
    const size_t dropped = keep == Suffix::Drop ? size_t(suffix.size()) : 0;
    while (const dirent* entry = ::readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        if (!endsWith(entry->d_name, length, suffix) || !isRegular(fd, *entry))
            continue;
        names.append(decodedName(entry->d_name, length, dropped));
    }
    ::closedir(dir);
    return names;
}

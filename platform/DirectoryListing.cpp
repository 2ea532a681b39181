#include "platform/DirectoryListing.h"

#include "platform/NativeName.h"

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

// The suffix the name ends in, if any.
const QByteArray* matchingSuffix(const char* name, size_t length,
                                 const QList<QByteArray>& suffixes) {
    for (const QByteArray& suffix : suffixes)
        if (endsWith(name, length, suffix))
            return &suffix;
    return nullptr;
}

// Records the entry's name: shown without its last dropped bytes when dropping. Plain ASCII
// names ending in the usual suffix as given, the usual kind, skip the general decoder.
void appendName(ListedNames& listed, const char* name, size_t length, const QByteArray& suffix,
                size_t dropped, bool usualSuffix) {
    const bool plainEnd =
        dropped == 0 ||
        (usualSuffix && std::memcmp(name + length - dropped, suffix.constData(), dropped) == 0);
    if (plainEnd && isAscii(name, length)) {
        listed.names.append(QString::fromLatin1(name, qsizetype(length - dropped)));
        return;
    }
    const QString file = nativename::decode(QByteArray(name, qsizetype(length)));
    if (dropped == 0) {
        listed.names.append(file);
        return;
    }
    const QString shown = nativename::shown(file).chopped(qsizetype(dropped));
    listed.names.append(shown);
    if (usualSuffix && shown + QLatin1String(suffix) == file)
        return;
    listed.files.resize(listed.names.size() - 1);
    listed.files.append(file);
}

} // namespace

std::optional<ListedNames> listRegularFilesEndingWith(const QString& folder,
                                                      const QByteArray& suffix, Suffix keep) {
    return listRegularFilesEndingWithAny(folder, {suffix}, keep);
}

std::optional<ListedNames> listRegularFilesEndingWithAny(const QString& folder,
                                                         const QList<QByteArray>& suffixes,
                                                         Suffix keep) {
    if (suffixes.isEmpty())
        return ListedNames();
    DIR* dir = ::opendir(nativename::encode(folder).constData());
    if (!dir)
        return std::nullopt;
    ListedNames listed;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        const QByteArray* suffix = matchingSuffix(entry->d_name, length, suffixes);
        if (suffix == nullptr || !isRegular(fd, *entry))
            continue;
        const size_t dropped = keep == Suffix::Drop ? size_t(suffix->size()) : 0;
        appendName(listed, entry->d_name, length, *suffix, dropped, suffix == &suffixes.front());
    }
    ::closedir(dir);
    if (!listed.files.isEmpty())
        listed.files.resize(listed.names.size());
    return listed;
}

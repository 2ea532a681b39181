#include "platform/FolderTree.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace foldertree {

namespace {

qint64 nanoseconds(const struct timespec& time) {
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

bool isSoundName(const char* name, size_t length) {
    return length > 4 && ::strncasecmp(name + length - 4, ".wav", 4) == 0;
}

// The entry's own stat (links followed); false when it vanished or cannot be looked at.
bool statEntry(int dirFd, const char* name, struct stat& info) {
    return ::fstatat(dirFd, name, &info, 0) == 0;
}

// A regular sound file opened once: its stat and its head from the same descriptor. False
// when it is not a regular file (it is then looked at as any other entry).
bool addSoundWithHead(FolderContents& contents, int dirFd, const char* name, size_t length,
                      qint64 headBytes) {
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular) {
        QByteArray head(qsizetype(headBytes), Qt::Uninitialized);
        const ssize_t got = ::pread(fd, head.data(), size_t(headBytes), 0);
        head.truncate(got < 0 ? 0 : qsizetype(got));
        contents.sounds.push_back({QByteArray(name, qsizetype(length)), qint64(info.st_size),
                                   nanoseconds(info.st_mtim), std::move(head)});
    }
    ::close(fd);
    return regular;
}

void addEntry(FolderContents& contents, int dirFd, const dirent& entry, qint64 headBytes) {
    const size_t length = std::strlen(entry.d_name);
    const bool maybeFolder =
        entry.d_type == DT_DIR || entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN;
    const bool sound = isSoundName(entry.d_name, length);
    if (!maybeFolder && !sound)
        return;
    if (sound && headBytes > 0 && entry.d_type == DT_REG &&
        addSoundWithHead(contents, dirFd, entry.d_name, length, headBytes))
        return;
    struct stat info {};
    if (!statEntry(dirFd, entry.d_name, info))
        return;
    const QByteArray name(entry.d_name, qsizetype(length));
    if (S_ISDIR(info.st_mode))
        contents.folders.push_back(name);
    else if (S_ISREG(info.st_mode) && sound)
        contents.sounds.push_back({name, qint64(info.st_size), nanoseconds(info.st_mtim), {}});
}

} // namespace

StatOutcome statFolder(const QByteArray& path, FolderState& state) {
    struct stat info {};
    if (::stat(path.constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? StatOutcome::Missing : StatOutcome::Unreadable;
    if (!S_ISDIR(info.st_mode))
        return StatOutcome::NotFolder;
    state = {nanoseconds(info.st_mtim), quint64(info.st_dev), quint64(info.st_ino)};
    return StatOutcome::Folder;
}

std::optional<FolderContents> readFolder(const QByteArray& path, qint64 headBytes) {
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return std::nullopt;
    FolderContents contents;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir))
        if (!isDotOrDotDot(entry->d_name))
            addEntry(contents, fd, *entry, headBytes);
    ::closedir(dir);
    return contents;
}

std::optional<QByteArray> readAt(const QByteArray& path, qint64 pos, qint64 size) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    const ssize_t got = ::pread(fd, bytes.data(), size_t(size), off_t(pos));
    ::close(fd);
    if (got < 0)
        return std::nullopt;
    bytes.truncate(qsizetype(got));
    return bytes;
}

std::optional<QByteArray> readHead(const QByteArray& path, qint64 maxBytes) {
    return readAt(path, 0, maxBytes);
}

} // namespace foldertree

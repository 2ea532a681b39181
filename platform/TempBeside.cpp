#include "platform/TempBeside.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMark[] = ".tembrel-";
constexpr qsizetype kNameBytes = 200; // leaves room for the mark within a file name's limit

struct SplitPath {
    QByteArray folder; // with its trailing "/", empty for the current folder
    QByteArray name;
};

SplitPath splitPath(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return {path.left(slash + 1), path.mid(slash + 1)};
}

QByteArray tempPrefix(const QByteArray& name) {
    return '.' + name.left(kNameBytes) + kMark;
}

// A leftover is unlocked: a live writer holds its lock until the rename.
void removeIfLeftOver(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(path.constData());
    ::close(fd);
}

void removeLeftOvers(const SplitPath& target) {
    const QByteArray prefix = tempPrefix(target.name);
    DIR* folder = ::opendir(target.folder.isEmpty() ? "." : target.folder.constData());
    if (folder == nullptr)
        return;
    // A large folder has many entries and few leftovers: each entry is only compared in place.
    const size_t leftOverLength = size_t(prefix.size()) + 6;
    while (const dirent* entry = ::readdir(folder)) {
        if (std::strncmp(entry->d_name, prefix.constData(), size_t(prefix.size())) == 0 &&
            std::strlen(entry->d_name) == leftOverLength)
            removeIfLeftOver(target.folder + entry->d_name);
    }
    ::closedir(folder);
}

} // namespace

TempBeside::TempBeside(const QByteArray& target) : m_target(target) {
    const SplitPath split = splitPath(target);
    removeLeftOvers(split);
    m_path = split.folder + tempPrefix(split.name) + "XXXXXX";
    m_fd = ::mkostemp(m_path.data(), O_CLOEXEC);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_fd);
        ::unlink(m_path.constData());
        m_fd = -1;
    }
}

TempBeside::~TempBeside() {
    if (m_fd < 0)
        return;
    if (!m_placed)
        ::unlink(m_path.constData());
    ::close(m_fd); // only now: the lock tells a live writer's file from a leftover
}

bool TempBeside::takeTargetsPlace(bool overwrite) {
    if (m_fd < 0)
        return false;
    if (overwrite)
        m_placed = ::rename(m_path.constData(), m_target.constData()) == 0;
    else
        m_placed = ::renameat2(AT_FDCWD, m_path.constData(), AT_FDCWD, m_target.constData(),
                               RENAME_NOREPLACE) == 0;
    return m_placed;
}

bool TempBeside::write(const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(m_fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= size_t(written);
    }
    return true;
}

unsigned TempBeside::targetMode() const {
    // A link or another user's file in the target's place says nothing about the mode the
    // user wants, and set-user and set-group bits are never handed on to a rewritten file.
    struct stat info {};
    if (::lstat(m_target.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == ::geteuid())
        return info.st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

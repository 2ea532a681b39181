#include "platform/AtomicFile.h"

#include "platform/RawFile.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// New files get the usual mode; a replaced file keeps its own.
mode_t modeFor(const QByteArray& path) {
    struct stat info {};
    if (::stat(path.constData(), &info) == 0)
        return info.st_mode & 07777;
    return 0666 & ~currentUmask();
}

} // namespace

namespace {

bool copyContents(int from, int to) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!writeAll(to, QByteArray::fromRawData(buffer, got)))
            return false;
    }
}

bool moveIntoPlace(const QByteArray& temp, const QByteArray& target, bool overwrite) {
    if (overwrite)
        return ::rename(temp.constData(), target.constData()) == 0;
    return ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(),
                       RENAME_NOREPLACE) == 0;
}

} // namespace

bool copyFileAtomically(const QString& source, const QString& destination, bool overwrite) {
    const auto from = RegularFile::open(source);
    if (!from)
        return false;
    const QByteArray target = QFile::encodeName(destination);
    QByteArray temp = target + ".XXXXXX";
    const int to = ::mkstemp(temp.data());
    if (to < 0)
        return false;
    const bool ok = copyContents(from->descriptor(), to) && ::fsync(to) == 0 &&
                    ::fchmod(to, 0666 & ~currentUmask()) == 0;
    if (::close(to) != 0 || !ok || !moveIntoPlace(temp, target, overwrite)) {
        ::unlink(temp.constData());
        return false;
    }
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0 && ::fchmod(fd, modeFor(target)) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temp.constData(), target.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    return true;
}

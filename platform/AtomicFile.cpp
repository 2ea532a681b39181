#include "platform/AtomicFile.h"

#include "platform/NativeName.h"
#include "platform/RawFile.h"
#include "platform/TempBeside.h"

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

// The copy keeps the source's permission bits and its times: a renamed read-only sound stays
// read-only, and an old sound does not look new.
bool takeOverModeAndTimes(int from, int to) {
    struct stat info {};
    if (::fstat(from, &info) != 0)
        return false;
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    return ::fchmod(to, info.st_mode & 07777) == 0 && ::futimens(to, times) == 0;
}

} // namespace

bool copyFileAtomically(const QString& source, const QString& destination, bool overwrite) {
    const auto from = RegularFile::open(source);
    if (!from)
        return false;
    TempBeside temp(nativename::encode(destination));
    const int to = temp.descriptor();
    return temp.isOpen() && copyContents(from->descriptor(), to) && ::fsync(to) == 0 &&
           takeOverModeAndTimes(from->descriptor(), to) && temp.takeTargetsPlace(overwrite);
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = nativename::encode(path);
    TempBeside temp(target);
    const int fd = temp.descriptor();
    return temp.isOpen() && writeAll(fd, bytes) && ::fsync(fd) == 0 &&
           ::fchmod(fd, modeFor(target)) == 0 && temp.takeTargetsPlace(true);
}

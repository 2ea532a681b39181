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

bool copyContents(int from, TempBeside& temp) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!temp.write(buffer, size_t(got)))
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
    return ::fchmod(to, info.st_mode & 0777) == 0 && ::futimens(to, times) == 0;
}

// Copies source into a temporary file beside destination, lets settle() give the copy its mode
// (from the source's descriptor and the copy's), then puts it in destination's place.
template <typename Settle>
bool copyThroughTemporary(const QString& source, const QString& destination, bool overwrite,
                          Settle settle) {
    const auto from = RegularFile::open(source);
    if (!from)
        return false;
    TempBeside temp(nativename::encode(destination));
    const int to = temp.descriptor();
    return temp.isOpen() && copyContents(from->descriptor(), temp) && ::fsync(to) == 0 &&
           settle(from->descriptor(), temp) && temp.takeTargetsPlace(overwrite);
}

} // namespace

bool copyFileAtomically(const QString& source, const QString& destination, bool overwrite) {
    return copyThroughTemporary(source, destination, overwrite, [](int from, TempBeside& temp) {
        return takeOverModeAndTimes(from, temp.descriptor());
    });
}

bool publishFileAtomically(const QString& source, const QString& destination) {
    return copyThroughTemporary(source, destination, true, [](int, TempBeside& temp) {
        return ::fchmod(temp.descriptor(), temp.targetMode()) == 0;
    });
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = nativename::encode(path);
    TempBeside temp(target);
    const int fd = temp.descriptor();
    return temp.isOpen() && temp.write(bytes.constData(), size_t(bytes.size())) &&
           ::fsync(fd) == 0 && ::fchmod(fd, temp.targetMode()) == 0 && temp.takeTargetsPlace(true);
}

#include "platform/WriterLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

WriterLock::WriterLock(const QByteArray& lockPath) {
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

WriterLock::~WriterLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

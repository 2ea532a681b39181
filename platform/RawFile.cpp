#include "platform/RawFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

RawFile::RawFile(const QString& path)
    : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)) {}

RawFile::~RawFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray RawFile::readAt(qint64 pos, qint64 size) const {
    if (m_fd < 0 || pos < 0 || size <= 0)
        return {};
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const ssize_t n = ::pread(m_fd, bytes.data() + got, size_t(size - got), off_t(pos + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {};
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

QByteArray FileHead::at(qint64 pos, qint64 size) const {
    if (pos >= 0 && pos + size <= m_head.size())
        return m_head.mid(pos, size);
    if (m_head.size() < kHeadSize)
        return {}; // the whole file is in the head already
    const QByteArray bytes = m_file.readAt(pos, size);
    return bytes.size() == size ? bytes : QByteArray();
}

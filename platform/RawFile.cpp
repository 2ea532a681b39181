#include "platform/RawFile.h"

#include "platform/FileLookBatch.h"
#include "platform/NativeName.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString openErrorText(const QString& path, const FileOpenError& error) {
    const QString name = QStringLiteral("\"%1\"").arg(path);
    switch (error.kind) {
    case FileOpenError::Missing:
        return QStringLiteral("The sound file %1 does not exist.").arg(name);
    case FileOpenError::Folder:
        return QStringLiteral("%1 is a folder, not a sound file.").arg(name);
    case FileOpenError::NotRegular:
        return QStringLiteral("%1 is not a sound file but a pipe or a device, which cannot be "
                              "played.")
            .arg(name);
    case FileOpenError::Unreadable:
        break;
    }
    return QStringLiteral("The sound file %1 cannot be read (%2).").arg(name, error.reason);
}

std::expected<RegularFile, FileOpenError> RegularFile::open(const QString& path) {
    const int fd = ::open(nativename::encode(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::unexpected(FileOpenError{FileOpenError::Missing, {}});
        return std::unexpected(
            FileOpenError{FileOpenError::Unreadable, QString::fromLocal8Bit(strerror(errno))});
    }
    RegularFile file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return std::unexpected(
            FileOpenError{FileOpenError::Unreadable, QString::fromLocal8Bit(strerror(errno))});
    if (S_ISDIR(info.st_mode))
        return std::unexpected(FileOpenError{FileOpenError::Folder, {}});
    if (!S_ISREG(info.st_mode))
        return std::unexpected(FileOpenError{FileOpenError::NotRegular, {}});
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file;
}

RegularFile::~RegularFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<QByteArray> RegularFile::readAll(qint64 limit) {
    QByteArray bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        if (got > limit - bytes.size())
            return std::nullopt;
        bytes.append(buffer, got);
    }
}

RawFile::RawFile(const QString& path)
    : m_fd(::open(nativename::encode(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}

RawFile::~RawFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<qint64> RawFile::regularSize() const {
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return qint64(info.st_size);
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

FileHead::FileHead(const QString& path) : m_path(path) {
    const FileLook look = batchedLookAtFile(path);
    m_opened = look.opened;
    m_size = look.regularSize;
    m_head = look.head;
}

FileHead::~FileHead() = default;

QByteArray FileHead::at(qint64 pos, qint64 size) const {
    const QByteArray bytes = upTo(pos, size);
    return bytes.size() == size ? bytes : QByteArray();
}

std::optional<qint64> FileHead::regularSize() const {
    if (m_size || !m_opened)
        return m_size;
    if (!m_rest)
        m_rest = std::make_unique<RawFile>(m_path);
    return m_rest->regularSize();
}

QByteArray FileHead::upTo(qint64 pos, qint64 size) const {
    if (pos < 0 || size <= 0)
        return {};
    // A head shorter than a full one is the whole file already, or the file gives no bytes.
    if (pos + size <= m_head.size() || m_head.size() < FileLook::kHeadSize)
        return pos < m_head.size() ? m_head.mid(pos, size) : QByteArray();
    if (!m_rest)
        m_rest = std::make_unique<RawFile>(m_path);
    return m_rest->readAt(pos, size);
}

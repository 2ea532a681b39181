#include "platform/AtomicFileWriter.h"

#include "platform/NativeName.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kBufferBytes = 256 << 10;
constexpr qint64 kWritebackStep = 2 << 20;

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString& path)
    : m_target(nativename::encode(path)), m_temp(m_target), m_failed(!m_temp.isOpen()) {
    m_buffer.reserve(kBufferBytes);
}

bool AtomicFileWriter::append(std::string_view bytes) {
    if (m_failed)
        return false;
    m_buffer.append(bytes);
    return m_buffer.size() < kBufferBytes || sendBuffered();
}

bool AtomicFileWriter::sendBuffered() {
    if (!m_temp.write(m_buffer.data(), m_buffer.size())) {
        m_failed = true;
        return false;
    }
    m_written += qint64(m_buffer.size());
    m_buffer.clear();
    // The written megabytes start on their way to the disk now, so that the final flush has
    // little left to wait for. Only a hint: the flush in commit is what makes the file safe.
    if (m_written - m_flushedUpTo >= kWritebackStep) {
        (void)::sync_file_range(m_temp.descriptor(), m_flushedUpTo, m_written - m_flushedUpTo,
                                SYNC_FILE_RANGE_WRITE);
        m_flushedUpTo = m_written;
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (m_failed || !sendBuffered())
        return false;
    const int fd = m_temp.descriptor();
    m_failed = !(::fsync(fd) == 0 && ::fchmod(fd, m_temp.targetMode()) == 0 &&
                 m_temp.takeTargetsPlace(true));
    return !m_failed;
}

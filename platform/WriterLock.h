#pragma once

#include <QByteArray>

// A lock that one program at a time holds on a file of its own (beside what it guards). The
// system drops it when the holder ends, however it ends, so a killed program never leaves it
// held.
class WriterLock {
public:
    // Tries once, without waiting.
    explicit WriterLock(const QByteArray& lockPath);
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

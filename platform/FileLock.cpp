#include "platform/FileLock.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

// One flock per lock file and process: flock locks of two descriptors conflict even within
// one process, so a nested lock of the same file counts up instead of opening it again.
struct HeldLock {
    int fd = -1; // -1: taken without the flock (it could not be had)
    int depth = 0;
    std::thread::id owner;
    pid_t process = 0; // a child made by fork inherits the table, not the locks
};

struct LockTable {
    std::mutex mutex;
    std::condition_variable released;
    QHash<QString, HeldLock> held;
};

LockTable& lockTable() {
    static LockTable table;
    return table;
}

// The descriptor holding the flock, or -1 when the lock file cannot be had. The wait blocks:
// the kernel hands the lock to a waiter when it is let go, where polling would let a holder
// that locks again at once starve the others.
int takeFlock(const QString& lockFile) {
    const int fd = ::open(QFile::encodeName(lockFile).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    while (::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR) {
            ::close(fd);
            return -1;
        }
    return fd;
}

void forgetInheritedLocks(LockTable& table) {
    const pid_t process = ::getpid();
    for (auto lock = table.held.begin(); lock != table.held.end();) {
        if (lock->process == process) {
            ++lock;
            continue;
        }
        if (lock->fd >= 0)
            ::close(lock->fd);
        lock = table.held.erase(lock);
    }
}

} // namespace

QString FileLock::lockFilePath(const QString& path) {
    const QFileInfo file(path);
    return file.path() + QStringLiteral("/.") + file.fileName() + QStringLiteral(".lock");
}

FileLock::FileLock(const QString& path) : m_lockFile(lockFilePath(path)) {
    LockTable& table = lockTable();
    std::unique_lock guard(table.mutex);
    const auto self = std::this_thread::get_id();
    forgetInheritedLocks(table);
    table.released.wait(guard, [&] {
        const auto found = table.held.constFind(m_lockFile);
        return found == table.held.cend() || found->owner == self;
    });
    HeldLock& lock = table.held[m_lockFile];
    if (lock.depth++ > 0) {
        m_held = lock.fd >= 0;
        return;
    }
    lock.owner = self;
    lock.process = ::getpid();
    // Other threads wait for this owner; the table is free meanwhile for other files.
    guard.unlock();
    const int fd = takeFlock(m_lockFile);
    guard.lock();
    table.held[m_lockFile].fd = fd;
    m_held = fd >= 0;
}

FileLock::~FileLock() {
    release();
}

FileLock::FileLock(FileLock&& other) noexcept
    : m_lockFile(std::exchange(other.m_lockFile, QString())),
      m_held(std::exchange(other.m_held, false)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        m_lockFile = std::exchange(other.m_lockFile, QString());
        m_held = std::exchange(other.m_held, false);
    }
    return *this;
}

bool FileLock::isHeld() const {
    return m_held;
}

void FileLock::release() {
    if (m_lockFile.isEmpty())
        return;
    LockTable& table = lockTable();
    {
        const std::lock_guard guard(table.mutex);
        const auto found = table.held.find(m_lockFile);
        if (found != table.held.end() && --found->depth == 0) {
            if (found->fd >= 0)
                ::close(found->fd); // lets go of the flock
            table.held.erase(found);
        }
    }
    table.released.notify_all();
    m_lockFile.clear();
    m_held = false;
}

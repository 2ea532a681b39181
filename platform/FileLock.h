#pragma once

#include <QString>
#include <memory>

// Keeps other programs (and other windows of this one) from changing a file while this one
// reads it, changes it and writes it back. The lock is an advisory flock on a hidden file
// beside it (".NAME.lock"), which outlives the replacements of the file itself; it goes when
// the FileLock goes or the process ends. Within one process the same file may be locked again
// while held (a store's write under a feature's read-modify-write): only the outermost lock
// counts. Holders keep it only while they read and write the file, so waiting is short; where
// the lock file cannot be made (a read-only folder) the work goes on unlocked.
class FileLock {
public:
    FileLock() = default; // holds nothing
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // True when other programs are kept out.
    bool isHeld() const;

    // The hidden file beside path that carries the lock.
    static QString lockFilePath(const QString& path);

private:
    void release();

    QString m_lockFile; // empty when nothing is held
    bool m_held = false;
};

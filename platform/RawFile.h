#pragma once

#include <QByteArray>
#include <QString>
#include <expected>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

// Why a file did not open for reading.
struct FileOpenError {
    enum Kind { Missing, Folder, NotRegular, Unreadable };
    Kind kind = Missing;
    QString reason; // the system's words, for Unreadable
};

// The text for the user saying why the sound file at path did not open.
QString openErrorText(const QString& path, const FileOpenError& error);

// A regular file open for reading. Every file the program reads whole or copies opens here:
// the open never blocks, so a FIFO, a socket or a device put where a file was expected is
// refused at once rather than freezing the window on its first read.
class RegularFile {
public:
    static std::expected<RegularFile, FileOpenError> open(const QString& path);
    RegularFile(RegularFile&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    RegularFile& operator=(RegularFile&&) = delete;
    ~RegularFile();

    int descriptor() const { return m_fd; }
    // Hands the descriptor over to a caller that closes it.
    int release() { return std::exchange(m_fd, -1); }
    // Everything from the current position to the end; nothing on a read error or when there
    // is more than limit bytes.
    std::optional<QByteArray> readAll(qint64 limit = std::numeric_limits<qint64>::max());

private:
    explicit RegularFile(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

// A file opened for reading at given positions, without any buffering of its own: the header
// readers use it so that a usual header costs one open, one read and one close. Opening never
// blocks, not even on a pipe.
class RawFile {
public:
    explicit RawFile(const QString& path);
    ~RawFile();
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // The size of the open file when it is a regular file.
    std::optional<qint64> regularSize() const;
    // Up to size bytes from pos: fewer at the end of the file, none on an error (a folder
    // opens, but gives no bytes).
    QByteArray readAt(qint64 pos, qint64 size) const;

private:
    int m_fd = -1;
};

// Reads a file at positions, serving them from one first look at the file's head when it can
// (that look may come from a FileLookBatch). Only regular files give bytes.
class FileHead {
public:
    explicit FileHead(const QString& path);
    ~FileHead();
    bool isOpen() const { return m_opened; }
    // Exactly size bytes at pos, or nothing.
    QByteArray at(qint64 pos, qint64 size) const;
    // Up to size bytes at pos: fewer only at the end of the file, none on an error.
    QByteArray upTo(qint64 pos, qint64 size) const;
    // The file's size when it is a regular file (from the look when it has one).
    std::optional<qint64> regularSize() const;

private:
    QString m_path;
    bool m_opened = false;
    std::optional<qint64> m_size;
    QByteArray m_head;
    mutable std::unique_ptr<RawFile> m_rest; // opened only for bytes beyond the head
};

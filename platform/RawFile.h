#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

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

private:
    QString m_path;
    bool m_opened = false;
    QByteArray m_head;
    mutable std::unique_ptr<RawFile> m_rest; // opened only for bytes beyond the head
};

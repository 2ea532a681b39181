#pragma once

#include <QByteArray>
#include <QString>

// A file opened for reading at given positions, without any buffering of its own: the header
// readers use it so that a usual header costs one open, one read and one close.
class RawFile {
public:
    explicit RawFile(const QString& path);
    ~RawFile();
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Up to size bytes from pos: fewer at the end of the file, none on an error (a folder
    // opens, but gives no bytes).
    QByteArray readAt(qint64 pos, qint64 size) const;

private:
    int m_fd = -1;
};

// Reads at positions, serving them from one first read of the file's head when it can.
class FileHead {
public:
    static constexpr qint64 kHeadSize = 512;
    explicit FileHead(const RawFile& file) : m_file(file), m_head(file.readAt(0, kHeadSize)) {}
    // Exactly size bytes at pos, or nothing.
    QByteArray at(qint64 pos, qint64 size) const;

private:
    const RawFile& m_file;
    QByteArray m_head;
};

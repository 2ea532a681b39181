#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// One top-level chunk header of a RIFF file.
struct RiffChunk {
    QByteArray id;      // its four-character name
    quint32 size = 0;   // its declared body size, without the pad byte of an odd size
    qint64 bodyPos = 0; // where its body starts
};

// Walks the top-level chunks of a RIFF WAVE file. Headers are read a block at a time (the first
// block is the size of a file's head as the lists read it, later ones grow), and the walk gives
// up after kMaxChunks chunks: a valid file of millions of empty chunks must not hold a list or a
// play for long.
class RiffChunks {
public:
    // Up to size bytes at pos: fewer only at the end of the file, none on an error.
    using Reader = std::function<QByteArray(qint64 pos, qint64 size)>;
    // Where the walk ends: at the size the RIFF header declares, or at the end of the file (a
    // recorder that never wrote its sizes leaves a wrong one).
    enum class Bounds { DeclaredSize, WholeFile };
    enum class End { NotEnded, NotRiffWave, LastChunk, TooManyChunks };

    static constexpr int kMaxChunks = 4096;

    RiffChunks(Reader read, Bounds bounds);

    // The next chunk's header; nothing once the walk has ended, and end() says why.
    std::optional<RiffChunk> next();
    End end() const { return m_end; }
    // Exactly size bytes at pos, or nothing; served from the block read last when it holds them.
    QByteArray bytes(qint64 pos, qint64 size);

private:
    bool blockHolds(qint64 pos, qint64 size) const;

    static constexpr qint64 kFirstBlockBytes = 512;
    static constexpr qint64 kLargestBlockBytes = 64 * 1024;

    Reader m_read;
    qint64 m_riffEnd = 0;
    qint64 m_pos = 12;
    int m_chunks = 0;
    End m_end = End::NotEnded;
    qint64 m_blockPos = 0;
    qint64 m_blockBytes = kFirstBlockBytes;
    QByteArray m_block;
};

// The text for the user about a file whose walk gave up at kMaxChunks chunks.
QString tooManyChunksText(const QString& path);

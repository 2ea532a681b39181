#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What one look at a file found.
struct FileLook {
    bool opened = false;               // it could be opened for reading
    std::optional<qint64> regularSize; // its size, when it is a regular file
    QByteArray head;                   // its first kHeadSize bytes (all of a shorter file)
    static constexpr qint64 kHeadSize = 512;
};

// A pass over a folder's files that looks at each file several times in a row (the lists ask
// for its size, then the player opens it, then its header is read). While a batch is alive on
// this thread, the look at the file looked at last is kept, and the next looks at that same
// path are answered from it for a few milliseconds, so each file costs one open instead of
// three path look-ups. Outside a batch every look reads the file.
class FileLookBatch {
public:
    FileLookBatch();
    ~FileLookBatch();
    FileLookBatch(const FileLookBatch&) = delete;
    FileLookBatch& operator=(const FileLookBatch&) = delete;

    static bool aliveOnThisThread();

    // How long a kept look answers: short enough that it never outlives the pass over one
    // file, even when a message box comes up between two looks.
    static constexpr int kFreshMs = 50;
};

// The look at path: from the batch when one is alive and has a fresh look at path, otherwise
// read now (and kept when a batch is alive). A read is one open, one fstat, one read and one
// close; only a regular file gives bytes, and a pipe never blocks the open.
FileLook batchedLookAtFile(const QString& path);

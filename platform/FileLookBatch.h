#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class FileReadAhead;

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
    // A batch told which files it will be asked about, in that order: a helper thread reads
    // them a few files ahead. Looks at other paths are read when asked, as in any batch.
    explicit FileLookBatch(std::vector<QString> comingPaths);
    ~FileLookBatch();
    FileLookBatch(const FileLookBatch&) = delete;
    FileLookBatch& operator=(const FileLookBatch&) = delete;

    static bool aliveOnThisThread();

    // How long a kept look answers: short enough that it never outlives the pass over one
    // file, even when a message box comes up between two looks.
    static constexpr int kFreshMs = 50;

private:
    std::unique_ptr<FileReadAhead> m_readAhead;
    FileReadAhead* m_outerReadAhead = nullptr;
};

// The look at path: from the batch when one is alive and has a fresh look at path, otherwise
// read now (and kept when a batch is alive). In a batch a read is one open, one fstat, one
// read and one close, and only a regular file gives bytes. Outside a batch the fstat is left
// out and the look has no size: a pipe or a folder still gives no bytes, and a pipe never
// blocks the open.
FileLook batchedLookAtFile(const QString& path);

// One whole look at path (size included) read now, whatever batch is alive.
FileLook readFileLook(const QString& path);

#include "platform/FileLookBatch.h"

#include "platform/FileReadAhead.h"
#include "platform/RawFile.h"

namespace {

using Clock = FileReadAhead::Clock;

struct KeptLook {
    int batches = 0; // nested batches on this thread
    FileReadAhead* readAhead = nullptr;
    bool valid = false;
    QString path;
    FileLook look;
    Clock::time_point readAt;
};

thread_local KeptLook t_kept;

bool isFresh(Clock::time_point readAt) {
    return Clock::now() - readAt < std::chrono::milliseconds(FileLookBatch::kFreshMs);
}

void keep(const QString& path, FileReadAhead::TimedLook timed) {
    t_kept.look = std::move(timed.look);
    t_kept.readAt = timed.readAt;
    t_kept.path = path;
    t_kept.valid = true;
}

enum class Size { Read, Skipped };

// Outside a batch nobody asks for the size, and the fstat it takes is a good part of a header
// read: it is skipped there. A pipe or a folder opened without blocking gives no bytes anyway.
FileLook readLook(const QString& path, Size size) {
    FileLook look;
    const RawFile file(path);
    look.opened = file.isOpen();
    if (!look.opened)
        return look;
    if (size == Size::Read) {
        look.regularSize = file.regularSize();
        if (!look.regularSize)
            return look; // only a regular file gives bytes
    }
    look.head = file.readAt(0, FileLook::kHeadSize);
    return look;
}

} // namespace

FileLook readFileLook(const QString& path) {
    return readLook(path, Size::Read);
}

FileLookBatch::FileLookBatch() {
    ++t_kept.batches;
}

FileLookBatch::FileLookBatch(std::vector<QString> comingPaths) : FileLookBatch() {
    m_readAhead = std::make_unique<FileReadAhead>(std::move(comingPaths));
    m_outerReadAhead = std::exchange(t_kept.readAhead, m_readAhead.get());
}

FileLookBatch::~FileLookBatch() {
    if (m_readAhead)
        t_kept.readAhead = m_outerReadAhead;
    if (--t_kept.batches == 0) {
        t_kept.valid = false;
        t_kept.path.clear();
        t_kept.look = {};
    }
}

bool FileLookBatch::aliveOnThisThread() {
    return t_kept.batches > 0;
}

FileLook batchedLookAtFile(const QString& path) {
    if (t_kept.batches == 0)
        return readLook(path, Size::Skipped);
    if (t_kept.valid && t_kept.path == path && isFresh(t_kept.readAt))
        return t_kept.look;
    std::optional<FileReadAhead::TimedLook> ahead;
    if (t_kept.readAhead)
        ahead = t_kept.readAhead->take(path);
    if (ahead && isFresh(ahead->readAt))
        keep(path, std::move(*ahead));
    else
        keep(path, {readFileLook(path), Clock::now()});
    return t_kept.look;
}

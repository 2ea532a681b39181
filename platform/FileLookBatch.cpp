#include "platform/FileLookBatch.h"

#include "platform/RawFile.h"

#include <QElapsedTimer>

namespace {

struct KeptLook {
    int batches = 0; // nested batches on this thread
    bool valid = false;
    QString path;
    FileLook look;
    QElapsedTimer age;
};

thread_local KeptLook t_kept;

FileLook lookAtFile(const QString& path) {
    FileLook look;
    const RawFile file(path);
    look.opened = file.isOpen();
    if (!look.opened)
        return look;
    look.regularSize = file.regularSize();
    if (look.regularSize)
        look.head = file.readAt(0, FileLook::kHeadSize);
    return look;
}

} // namespace

FileLookBatch::FileLookBatch() {
    ++t_kept.batches;
}

FileLookBatch::~FileLookBatch() {
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
        return lookAtFile(path);
    if (t_kept.valid && t_kept.path == path && !t_kept.age.hasExpired(FileLookBatch::kFreshMs))
        return t_kept.look;
    t_kept.look = lookAtFile(path);
    t_kept.path = path;
    t_kept.valid = true;
    t_kept.age.start();
    return t_kept.look;
}

#include "library/IndexWriter.h"

#include "platform/NativeName.h"

namespace {

// Large enough that a transaction's fixed cost (and each new FTS5 segment) is shared by many
// sounds, small enough that a killed scan loses little.
constexpr qsizetype kBatchSounds = 10000;
constexpr qsizetype kBatchFolders = 200;
// Batches waiting beyond this make the scanner wait (memory stays bounded).
constexpr size_t kMostQueued = 3;

QString failure(const std::vector<FolderUpdate>& batch, const QString& error) {
    const QString first = nativename::shown(nativename::decode(batch.front().folder));
    if (batch.size() == 1)
        return QStringLiteral("%1: %2").arg(first, error);
    return QStringLiteral("%1 and %2 more folders: %3")
        .arg(first, QString::number(batch.size() - 1), error);
}

} // namespace

IndexWriter::IndexWriter(ISoundIndex& index)
    : m_index(index), m_thread([this] { writeBatches(); }) {}

IndexWriter::~IndexWriter() {
    flush();
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void IndexWriter::add(FolderUpdate update) {
    std::unique_lock lock(m_mutex);
    m_fillingSounds += qsizetype(update.put.size() + update.gone.size());
    m_filling.push_back(std::move(update));
    if (m_fillingSounds >= kBatchSounds || qsizetype(m_filling.size()) >= kBatchFolders)
        handOver(lock);
}

void IndexWriter::handOver(std::unique_lock<std::mutex>& lock) {
    m_changed.wait(lock, [this] { return m_queued.size() < kMostQueued; });
    m_queued.push_back(std::move(m_filling));
    m_filling.clear();
    m_fillingSounds = 0;
    m_changed.notify_all();
}

void IndexWriter::flush() {
    std::unique_lock lock(m_mutex);
    if (!m_filling.empty())
        handOver(lock);
    m_changed.wait(lock, [this] { return m_queued.empty() && !m_writing; });
}

void IndexWriter::use(const std::function<void(ISoundIndex&)>& work) {
    const std::lock_guard inUse(m_indexInUse);
    work(m_index);
}

QStringList IndexWriter::takeProblems() {
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_problems, {});
}

void IndexWriter::writeBatches() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_queued.empty(); });
        if (m_queued.empty())
            return;
        std::vector<FolderUpdate> batch = std::move(m_queued.front());
        m_queued.pop_front();
        m_writing = true;
        m_changed.notify_all();
        lock.unlock();
        QString failed;
        {
            const std::lock_guard inUse(m_indexInUse);
            if (!m_index.applyFolders(batch))
                failed = failure(batch, m_index.lastError());
        }
        lock.lock();
        if (!failed.isEmpty())
            m_problems.append(failed);
        m_writing = false;
        m_changed.notify_all();
    }
}

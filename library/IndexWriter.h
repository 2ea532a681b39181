#pragma once

#include "library/SoundIndex.h"

#include <QStringList>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Writes a scan's folder updates on a thread of its own, many folders to a transaction, so
// that reading the next folders' headers goes on while the last ones are stored. Updates are
// written in the order they were given; a batch is one whole, so a program killed mid-scan
// loses at most the folders of the batches not yet committed. The index is used by one thread
// at a time: the scanner reaches it only through use().
class IndexWriter {
public:
    explicit IndexWriter(ISoundIndex& index);
    ~IndexWriter(); // writes what is left
    IndexWriter(const IndexWriter&) = delete;
    IndexWriter& operator=(const IndexWriter&) = delete;

    // Queues the update; waits only when the writer is far behind.
    void add(FolderUpdate update);
    // Writes everything queued and waits for it.
    void flush();
    // Runs work on the index while no batch is being written. Queued updates may still be
    // waiting: work must not depend on them.
    void use(const std::function<void(ISoundIndex&)>& work);
    // The folders whose writes failed since the last call, each with the reason.
    QStringList takeProblems();

private:
    void handOver(std::unique_lock<std::mutex>& lock);
    void writeBatches();

    ISoundIndex& m_index;
    std::mutex m_indexInUse;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<FolderUpdate> m_filling;
    qsizetype m_fillingSounds = 0;
    std::deque<std::vector<FolderUpdate>> m_queued;
    bool m_writing = false;
    bool m_stopping = false;
    QStringList m_problems;
    std::thread m_thread;
};

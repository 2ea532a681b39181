#pragma once

#include "library/SoundIndex.h"
#include "platform/FolderTree.h"

#include <QByteArray>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <stop_token>
#include <thread>
#include <vector>

// A folder new to the index as one look at it: its stat, taken before it was listed (a change
// made meanwhile leaves it a newer time, so the next scan lists it again), then its subfolders
// and every sound with its header read.
struct NewFolderRead {
    foldertree::StatOutcome outcome = foldertree::StatOutcome::Missing;
    foldertree::FolderState state;
    bool listed = false;                // false: the folder could not be read
    std::vector<QByteArray> subfolders; // names
    std::vector<IndexedSound> sounds;
};

NewFolderRead readNewFolder(const QByteArray& folder);
// The same without the stat (the caller has taken it).
void listNewFolder(const QByteArray& folder, NewFolderRead& read);

// Reads folders new to the index on threads of its own, ahead of a scan that goes down the
// tree, so that several folders' files are opened and read at once. The folders asked for last
// are read first: the scan takes them next. When the scan takes a folder no thread has started
// on, it reads that folder itself; while it waits for one being read, it reads the next
// waiting one. Memory stays bounded: folders far ahead are forgotten (the scan then reads them
// itself), and the threads wait while many sounds are read and not yet taken.
class FolderReadAhead {
public:
    explicit FolderReadAhead(int threads = defaultThreads());
    ~FolderReadAhead(); // waits for the folders being read
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;

    // Paths of folders the scan will take next, in the order it will take them.
    void ask(const std::vector<QByteArray>& folders);
    // The folder as read; nothing when it was not asked for (or forgotten).
    std::optional<NewFolderRead> take(const QByteArray& folder);

    static int defaultThreads();

private:
    void readWhileAsked(const std::stop_token& stop);
    bool mayReadMore() const;
    // Reads the first waiting folder, the lock released meanwhile.
    void readFirstWaiting(std::unique_lock<std::mutex>& lock);

    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    std::deque<QByteArray> m_waiting;
    std::set<QByteArray> m_reading;
    std::map<QByteArray, NewFolderRead> m_read;
    size_t m_readSounds = 0;             // in m_read
    std::vector<std::jthread> m_threads; // last: they start once the rest is ready
};

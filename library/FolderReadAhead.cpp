#include "library/FolderReadAhead.h"

#include "library/SoundHeader.h"

#include <algorithm>

namespace {

// Paths are small; a few hundred cover the next folders of any tree.
constexpr size_t kMostWaiting = 512;
// Sounds read and not yet taken beyond which the threads wait (the writer is behind).
constexpr size_t kMostReadSounds = 20000;

} // namespace

void listNewFolder(const QByteArray& folder, NewFolderRead& read) {
    // Every sound of a folder new to the index is read: its head comes with the listing.
    std::optional<foldertree::FolderContents> contents =
        foldertree::readFolder(folder, kSoundHeadBytes);
    read.listed = contents.has_value();
    if (!contents)
        return;
    read.subfolders = std::move(contents->folders);
    read.sounds.reserve(contents->sounds.size());
    for (const foldertree::SoundFile& file : contents->sounds)
        read.sounds.push_back(readSoundHeader(folder, file));
}

NewFolderRead readNewFolder(const QByteArray& folder) {
    NewFolderRead read;
    read.outcome = foldertree::statFolder(folder, read.state);
    if (read.outcome == foldertree::StatOutcome::Folder)
        listNewFolder(folder, read);
    return read;
}

int FolderReadAhead::defaultThreads() {
    // The scan's own thread reads as well, and the index writer needs one.
    return std::clamp(int(std::thread::hardware_concurrency()) - 1, 1, 3);
}

FolderReadAhead::FolderReadAhead(int threads) {
    for (int i = 0; i < threads; ++i)
        m_threads.emplace_back([this](const std::stop_token& stop) { readWhileAsked(stop); });
}

FolderReadAhead::~FolderReadAhead() {
    for (std::jthread& thread : m_threads)
        thread.request_stop();
    m_changed.notify_all();
    m_threads.clear();
}

void FolderReadAhead::ask(const std::vector<QByteArray>& folders) {
    if (folders.empty())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.insert(m_waiting.begin(), folders.begin(), folders.end());
        if (m_waiting.size() > kMostWaiting)
            m_waiting.resize(kMostWaiting);
    }
    m_changed.notify_all();
}

bool FolderReadAhead::mayReadMore() const {
    return !m_waiting.empty() && m_readSounds < kMostReadSounds;
}

void FolderReadAhead::readFirstWaiting(std::unique_lock<std::mutex>& lock) {
    const QByteArray folder = m_waiting.front();
    m_waiting.pop_front();
    m_reading.insert(folder);
    lock.unlock();
    NewFolderRead read = readNewFolder(folder);
    lock.lock();
    m_reading.erase(folder);
    m_readSounds += read.sounds.size();
    m_read.insert_or_assign(folder, std::move(read));
    m_changed.notify_all();
}

void FolderReadAhead::readWhileAsked(const std::stop_token& stop) {
    std::unique_lock lock(m_mutex);
    while (m_changed.wait(lock, stop, [this] { return mayReadMore(); }))
        readFirstWaiting(lock);
}

std::optional<NewFolderRead> FolderReadAhead::take(const QByteArray& folder) {
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (const auto read = m_read.find(folder); read != m_read.end()) {
            NewFolderRead taken = std::move(read->second);
            m_read.erase(read);
            m_readSounds -= taken.sounds.size();
            m_changed.notify_all();
            return taken;
        }
        if (const auto waiting = std::find(m_waiting.begin(), m_waiting.end(), folder);
            waiting != m_waiting.end()) {
            m_waiting.erase(waiting);
            lock.unlock();
            return readNewFolder(folder);
        }
        if (!m_reading.contains(folder))
            return std::nullopt;
        if (mayReadMore())
            readFirstWaiting(lock);
        else
            m_changed.wait(lock);
    }
}

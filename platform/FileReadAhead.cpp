#include "platform/FileReadAhead.h"

FileReadAhead::FileReadAhead(std::vector<QString> paths)
    : m_paths(std::move(paths)), m_slots(std::make_unique<Slot[]>(m_paths.size())),
      m_thread([this](const std::stop_token& stop) { lookAhead(stop); }) {}

FileReadAhead::~FileReadAhead() {
    m_thread.request_stop();
    // Frees the thread if it waits for the owner to move on: the whole row is reached.
    m_sharedReached.store(int(m_paths.size()), std::memory_order_release);
    m_sharedReached.notify_all();
}

namespace {

// The owner tells the thread how far it got only every few files, so that a thread waiting
// for room is woken once for a step, not once for every file.
constexpr int kToldStep = 16;
// How far past the owner the thread goes on when the owner has caught up with it.
constexpr int kLead = 8;

void pauseASpin() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

} // namespace

// The thread is reading the file now, which takes some microseconds: a short spin is cheaper
// than going to sleep and being woken.
void FileReadAhead::waitWhileRead(const std::atomic<int>& state) {
    for (int spins = 0; spins < 20000; ++spins) {
        if (state.load(std::memory_order_acquire) != Reading)
            return;
        pauseASpin();
    }
    state.wait(Reading, std::memory_order_acquire);
}

void FileReadAhead::waitForRoomAhead(int index, const std::stop_token& stop) {
    for (int reached = m_sharedReached.load(std::memory_order_acquire);
         index >= reached + kAhead && !stop.stop_requested();
         reached = m_sharedReached.load(std::memory_order_acquire))
        m_sharedReached.wait(reached, std::memory_order_acquire);
}

void FileReadAhead::lookAhead(const std::stop_token& stop) {
    const int count = int(m_paths.size());
    for (int i = 0; i < count && !stop.stop_requested();) {
        waitForRoomAhead(i, stop);
        Slot& slot = m_slots[size_t(i)];
        int state = Waiting;
        if (stop.stop_requested() || !slot.state.compare_exchange_strong(state, Reading)) {
            // The owner caught up and reads for itself: go on some files past it, so that
            // the two do not keep meeting at the same file.
            i = std::max(i + 1, m_ownerAt.load(std::memory_order_relaxed) + kLead);
            continue;
        }
        slot.timed = {readFileLook(m_paths[size_t(i)]), Clock::now()};
        slot.state.store(Read, std::memory_order_release);
        slot.state.notify_one();
        ++i;
    }
}

std::optional<int> FileReadAhead::findComing(const QString& path) const {
    const int end = std::min(int(m_paths.size()), m_reached + kAhead);
    for (int i = m_reached; i < end; ++i)
        if (m_paths[size_t(i)] == path)
            return i;
    return std::nullopt;
}

void FileReadAhead::moveOwnerTo(int index) {
    const int told = m_reached / kToldStep;
    for (; m_reached < index; ++m_reached)
        passOver(m_slots[size_t(m_reached)]);
    if (m_reached / kToldStep == told)
        return;
    m_sharedReached.store(m_reached, std::memory_order_release);
    m_sharedReached.notify_one();
}

std::optional<FileReadAhead::TimedLook> FileReadAhead::take(const QString& path) {
    const std::optional<int> index = findComing(path);
    if (!index)
        return std::nullopt;
    if (*index != m_reached)
        moveOwnerTo(*index);
    m_ownerAt.store(*index, std::memory_order_relaxed);
    Slot& slot = m_slots[size_t(*index)];
    int state = Waiting;
    if (slot.state.compare_exchange_strong(state, TakenByOwner) || state == TakenByOwner)
        return TimedLook{readFileLook(path), Clock::now()};
    if (state == Reading) {
        waitWhileRead(slot.state);
        // Caught up with the thread: take the next file too, which sends the thread on past
        // this one instead of both going on in step, this one waiting at every file.
        claimForOwner(*index + 1);
    }
    return slot.timed;
}

// A file the owner is done with: the thread need not read it any more, and its bytes are
// dropped unless the thread is writing them now.
void FileReadAhead::passOver(Slot& slot) {
    int state = Waiting;
    if (!slot.state.compare_exchange_strong(state, TakenByOwner) && state == Read)
        slot.timed.look = {};
}

void FileReadAhead::claimForOwner(int index) {
    if (index >= int(m_paths.size()))
        return;
    int state = Waiting;
    (void)m_slots[size_t(index)].state.compare_exchange_strong(state, TakenByOwner);
}

#pragma once

#include "platform/FileLookBatch.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

// Looks at a known row of files on a thread of its own, a few files ahead of the one its owner
// has reached, so that the reads of the next files happen while the owner works on this one.
// The owner asks for the files in the row's order; it may pass over some of them. When the
// owner gets to a file the thread has not started on, it reads that file itself instead of
// waiting: the two share the reads.
class FileReadAhead {
public:
    using Clock = std::chrono::steady_clock;
    struct TimedLook {
        FileLook look;
        Clock::time_point readAt;
    };

    explicit FileReadAhead(std::vector<QString> paths);
    ~FileReadAhead(); // stops the thread and waits for it
    FileReadAhead(const FileReadAhead&) = delete;
    FileReadAhead& operator=(const FileReadAhead&) = delete;

    // The look at path when path is one of the next files of the row (waiting for it if the
    // thread has not got there yet); nothing for a path that is not. Files passed over are
    // dropped. Owner's thread only.
    std::optional<TimedLook> take(const QString& path);

    // How far the thread may get ahead of the owner: far enough to keep it busy, near enough
    // that a look is never old when it is taken.
    static constexpr int kAhead = 64;

private:
    enum State : int { Waiting, Reading, Read, TakenByOwner };
    struct Slot {
        TimedLook timed;
        std::atomic<int> state{Waiting};
    };

    void lookAhead(const std::stop_token& stop);
    std::optional<int> findComing(const QString& path) const;
    void moveOwnerTo(int index);
    void claimForOwner(int index);
    static void passOver(Slot& slot);
    void waitForRoomAhead(int index, const std::stop_token& stop);
    static void waitWhileRead(const std::atomic<int>& state);

    std::vector<QString> m_paths;
    std::unique_ptr<Slot[]> m_slots;
    int m_reached = 0;                   // the owner's place in the row
    std::atomic<int> m_sharedReached{0}; // the same for the thread, told in steps
    std::atomic<int> m_ownerAt{0};       // the file the owner asked for last
    std::jthread m_thread;               // last: it starts once the rest is ready
};

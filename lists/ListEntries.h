#pragma once

#include "core/WaveInfo.h"
#include "platform/DirectoryListing.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class CWavePlayer;
class IFileSystem;

// One listed sound whose file was found.
struct ListEntry {
    int number = 0; // position in the list + 1: a missing file leaves a gap
    QString name;
    QString fileName; // as spelled in the folder, for links: "name.wav", "name.WAV", "name.flac"
    qint64 size = 0;  // the whole file, headers included
    // The header read for this file or, when it could not be read, the last WAV header read
    // before it in the same list (all zeros if there was none). A sound of another type than
    // WAV has its own facts here (shownInfo) and its play time in otherPlayTime.
    WaveInfo info;
    std::optional<double> otherPlayTime =
        std::nullopt; // frames over rate: its bytes say nothing of its length

    double kilobytes() const { return double(size) * 0.0009765625; }
    double playTime() const { return otherPlayTime.value_or(playTimeSeconds(size, info)); }
};

struct ListEntries {
    std::vector<ListEntry> entries;
    int itemCount = 0; // every listed name, missing files included
    // Set when gathering stopped at this name because its file could not be read.
    std::optional<QString> failedName;
};

// What to do with a file that exists but whose size cannot be read.
enum class UnreadableFile { Skip, Stop };

// Gathers the entries of the sounds (in list order) in folder: a missing file is skipped, every
// found file gets its size, the player's Open (an open error is shown by the player and the
// entry is kept) and the player's ReadWaveInfo (the facts of a type other than WAV through
// it). Only headers are read.
ListEntries gatherListEntries(const QString& folder, const ListedNames& sounds, IFileSystem& files,
                              CWavePlayer& player, UnreadableFile onUnreadable);

// The same, handing each entry to take as soon as it is known instead of keeping it: the
// returned entries are empty.
ListEntries gatherListEntries(const QString& folder, const ListedNames& sounds, IFileSystem& files,
                              CWavePlayer& player, UnreadableFile onUnreadable,
                              const std::function<void(const ListEntry&)>& take);

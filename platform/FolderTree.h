#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

// The file system as the sound index walks it: paths are bytes exactly as the system spells
// them, so a name that is not UTF-8 stays the very same name.
namespace foldertree {

// What one stat of a folder tells. Identity (device and inode) lets a walk notice that a
// symbolic link has brought it back to a folder it has been in.
struct FolderState {
    qint64 modified = 0; // nanoseconds since the epoch
    quint64 device = 0;
    quint64 inode = 0;
};

enum class StatOutcome { Folder, Missing, NotFolder, Unreadable };

// One stat of path, links followed.
StatOutcome statFolder(const QByteArray& path, FolderState& state);

// A sound file ("*.wav" in any letter case, a regular file or a link to one) with what a
// rescan compares.
struct SoundFile {
    QByteArray name;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    QByteArray head;     // the file's first bytes, when they were asked for
};

struct FolderContents {
    std::vector<SoundFile> sounds;
    std::vector<QByteArray> folders; // names of subfolders (links to folders included)
};

// The sound files and subfolders of path, "." and ".." left out; nothing when the folder
// cannot be read. An entry that vanishes while it is read is left out. With headBytes, each
// sound's first headBytes come along: a sound is then opened once, to be looked at and read.
std::optional<FolderContents> readFolder(const QByteArray& path, qint64 headBytes = 0);

// Up to maxBytes from the start of the file; nothing when it cannot be opened. Never blocks on
// a pipe or device put where a file was expected.
std::optional<QByteArray> readHead(const QByteArray& path, qint64 maxBytes);
// Up to size bytes from pos.
std::optional<QByteArray> readAt(const QByteArray& path, qint64 pos, qint64 size);

} // namespace foldertree

#pragma once

#include "library/SoundIndex.h"
#include "platform/FolderTree.h"

// A usual header (RIFF, fmt, a short LIST) fits in this many bytes: one read of a file's start
// is the whole cost of most sounds.
constexpr qint64 kSoundHeadBytes = 4096;

// What the index keeps of one sound file, read from its header: format facts, play time and
// the titles, comments and descriptions it carries (RIFF "LIST"/"INFO" and BWF "bext"). A file
// that is no readable WAV is still a sound of that name, with no facts.
// The file's head is read unless it came with file.
IndexedSound readSoundHeader(const QByteArray& folder, const foldertree::SoundFile& file);

// The same on the first bytes of a file already read (tests and the fuzz target); chunks past
// them are not looked at.
IndexedSound soundFromHead(const QByteArray& head, qint64 fileSize);

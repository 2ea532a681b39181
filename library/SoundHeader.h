#pragma once

#include "library/SoundIndex.h"
#include "platform/FolderTree.h"

// What the index keeps of one sound file, read from its header: format facts, play time and
// the titles, comments and descriptions it carries (RIFF "LIST"/"INFO" and BWF "bext"). A file
// that is no readable WAV is still a sound of that name, with no facts.
IndexedSound readSoundHeader(const QByteArray& folder, const foldertree::SoundFile& file);

// The same on the first bytes of a file already read (tests and the fuzz target); chunks past
// them are not looked at.
IndexedSound soundFromHead(const QByteArray& head, qint64 fileSize);

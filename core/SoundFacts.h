#pragma once

#include "core/WaveInfo.h"
#include "platform/audio/SoundFileFacts.h"

#include <QString>
#include <expected>
#include <optional>

// The facts of a sound file that the lists, the status line and the properties show.
struct SoundFacts {
    QString formatText; // "PCM" for every WAV file, the file type's name otherwise ("FLAC")
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0; // 0 where samples have no fixed size (compressed types)
    qint64 frames = 0;
    // WAV: the whole file's length over its average bytes per second (see playTimeSeconds);
    // other types: frames over the rate.
    double playSeconds = 0;
    std::optional<WaveInfo> wave; // the "fmt " numbers of a WAV file
};

// Reads a sound file's header, never its samples. A RIFF WAVE file is read by the program's own
// reader; any other file by the reader given to useSoundFileFacts, and without one it is not a
// sound file. The error is a text for the user.
std::expected<SoundFacts, QString> readSoundFacts(const QString& path);

// The reader of the file types other than WAV (readSoundFileFacts, where sound is linked in).
// Set once at start, before any other thread reads facts.
using SoundFileFactsReader = std::expected<SoundFileFacts, QString> (*)(const QString& path);
void useSoundFileFacts(SoundFileFactsReader reader);

// The facts of a sound of another type than WAV in the form the windows and lists show a WAV
// file's: channels, rate, bits and their texts; the numbers only a WAV header has stay 0.
WaveInfo shownInfo(const SoundFacts& facts);
// What stands for a file of another type that gives no facts: all zeros, "Unreadable" for its
// channels and format, and no play time.
WaveInfo unreadableInfo();

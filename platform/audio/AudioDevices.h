#pragma once

#include <QString>
#include <expected>

// The sound services the program uses, as small interfaces with a real implementation over
// PortAudio and libsndfile (platform/audio) and doubles in the tests.

using AudioResult = std::expected<void, QString>; // error: a text to show the user

// One file opened for single plays, the stand-in for the multimedia "waveaudio" device.
class IPlaybackDevice {
public:
    virtual ~IPlaybackDevice() = default;
    // Closes what was open, then opens path. Cheap: checks the file can be decoded but does no
    // device work. An empty path succeeds and opens nothing (Play then plays nothing).
    virtual AudioResult open(const QString& path) = 0;
    // Plays the open file once from frame startFrame (0 is its start), each sample multiplied
    // by gain, and returns at once. A start at or past the end plays nothing; a negative start
    // is the start.
    virtual AudioResult play(qint64 startFrame, float gain = 1.0f) = 0;
    // Stops a play of this device; the file stays open.
    virtual void stop() = 0;
    // Closes the file; a play of it stops.
    virtual void close() = 0;
};

// The stand-in for the platform's simple sound call: loops and synchronous plays. A loop
// sounds together with the playback device's single play (both are mixed).
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    // Loops the file asynchronously until silence(), each sample multiplied by gain; replaces a
    // loop already sounding.
    virtual bool playLoop(const QString& path, float gain = 1.0f) = 0;
    // Plays the file once and returns when it has ended or stopSync() was called. It waits in
    // a nested event loop, so windows are drawn and stopSync() can come from a handler; the
    // caller keeps the user's input away meanwhile (widgets/SyncPlay.h).
    virtual bool playSync(const QString& path, float gain = 1.0f) = 0;
    // Ends a synchronous play at once; from any thread.
    virtual void stopSync() = 0;
    // Silences any loop or sound started here.
    virtual void silence() = 0;
};

// One new recording from the default input, the stand-in for a new unnamed "waveaudio"
// recording: open, record up to a limit, stop, save as a WAV file, close.
class IRecordingDevice {
public:
    virtual ~IRecordingDevice() = default;
    virtual AudioResult open() = 0;
    // Starts recording and returns at once; recording ends by itself after limitMs.
    virtual AudioResult record(int limitMs) = 0;
    virtual AudioResult stop() = 0;
    // Saves what was recorded as a WAV file at path. A recording the device cut short is saved
    // as far as it goes, with an error that says what was lost.
    virtual AudioResult save(const QString& path) = 0;
    // Closes the device; an unsaved recording is lost.
    virtual void close() = 0;
    // The loudest sample recorded since the last call, from 0 (silence) to 1 (full scale).
    virtual float takePeakLevel() = 0;
};

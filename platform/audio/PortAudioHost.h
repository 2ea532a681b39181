#pragma once

#include "platform/audio/AudioDevices.h"

#include <QString>
#include <expected>
#include <mutex>
#include <portaudio.h>
#include <set>

// One stream opened on the default device of one direction, in the device's default rate and
// up to two channels.
struct OpenedStream {
    PaStream* stream = nullptr;
    int sampleRate = 0;
    int channels = 0;
};

enum class StreamDirection { Output, Input };

struct StreamRequest {
    StreamDirection direction = StreamDirection::Output;
    PaSampleFormat sampleFormat = paFloat32;
    PaStreamCallback* callback = nullptr;
    void* userData = nullptr;
    PaStreamFlags flags = paNoFlag;
};

// Owns the PortAudio library for the process: initialises it on first use, opens and closes
// streams under one lock, and re-reads the device list when none is found and no stream is
// open, so a sound server that appears after start-up is found. Thread-safe.
// A start that fails inside PortAudio's stream thread (a device or sound server that went away
// since the stream was opened) can block its caller for good. Starts therefore run on a thread
// of their own and are waited for a bounded time; a stream whose start never returns is given
// up and never touched again, and the library is then kept until the process ends.
class PortAudioHost {
public:
    PortAudioHost() = default;
    ~PortAudioHost();
    PortAudioHost(const PortAudioHost&) = delete;
    PortAudioHost& operator=(const PortAudioHost&) = delete;

    // Opens (but does not start) a stream; the error is a text for the user.
    std::expected<OpenedStream, QString> open(const StreamRequest& request);
    // Whether the default device of the request's direction can be opened now in its format
    // (a sound server that went away fails at once); costs about as much as an open.
    bool deviceAnswers(const StreamRequest& request);
    // Starts a stream; a start that does not return in time gives the no-device text.
    AudioResult start(PaStream* stream, StreamDirection direction);
    // Returns when the buffers already handed to the device have been played or recorded.
    void stop(PaStream* stream);
    // Stops at once, dropping what the device still holds.
    void abort(PaStream* stream);
    // Discards what the device still holds and closes the stream.
    void close(PaStream* stream);

private:
    bool initialise();
    void terminate();
    std::expected<OpenedStream, QString> tryOpen(const StreamRequest& request);
    PaDeviceIndex findDevice(StreamDirection direction);

    std::mutex m_mutex;
    bool m_initialised = false;
    int m_openStreams = 0;
    std::set<PaStream*> m_givenUp; // streams whose start never returned
};

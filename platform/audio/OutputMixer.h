#pragma once

#include "platform/audio/AudioDevices.h"
#include "platform/audio/PortAudioHost.h"
#include "platform/audio/Voice.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Who a voice plays for; each has one voice at a time, and all of them sound together.
enum class VoiceSlot { Device, Loop, Sync, Count };

// The one output stream of the program; it mixes the voices of all slots. While nothing sounds
// it is stopped: the callback that finds the last sound ended wakes a watcher, which stops the
// stream once the buffer has been heard. It stays open for a few seconds after, so that a play
// soon after only starts it, with its buffer filled from the new voice: the sound comes out
// after the device's start-up time rather than after a buffer of silence. A stop with nothing
// else sounding drops the buffer at once. An idle mixer wakes nobody.
// Control calls may come from any thread and are serialised by a lock the callback never
// takes: the callback reads the slots through atomics only.
class OutputMixer {
public:
    explicit OutputMixer(PortAudioHost& host);
    ~OutputMixer();
    OutputMixer(const OutputMixer&) = delete;
    OutputMixer& operator=(const OutputMixer&) = delete;

    // Silences the slot, then starts path in it from startFrame (once, or looped until silenced;
    // a loop starts over at the file's start), each sample multiplied by gain. Starts the
    // stream unless it runs; reopens it after a failure (for example a sound server that went
    // away). The error is a text for the user. Returns within a bounded time even when the
    // device hangs (see PortAudioHost::start).
    std::expected<std::shared_ptr<const Voice>, QString>
    play(VoiceSlot slot, const QString& path, bool loop, qint64 startFrame = 0, float gain = 1.0f);
    // Silences the slot if it still plays voice (or anything, when voice is null).
    void silence(VoiceSlot slot, const Voice* voice = nullptr);
    // False when the output is stopped, by a silence or because the device or server failed.
    bool isRunning();
    // How long a sample takes from the mixer to the device's output.
    std::chrono::duration<double> outputLatency();

private:
    static int callback(const void* input, void* output, unsigned long frames,
                        const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags flags,
                        void* self);
    void mix(float* out, unsigned long frames) noexcept;
    StreamRequest request();
    std::expected<OutputFormat, QString> ensureOpen();
    AudioResult start(VoiceSlot slot, std::shared_ptr<Voice> voice);
    bool running() const;
    bool sounding() const;
    void pause();
    void watchIdle(std::stop_token stop);
    bool settle(std::stop_token stop, std::chrono::milliseconds delay,
                const std::function<bool()>& idle, const std::function<void()>& act);
    void wakeWatcher() noexcept;
    void silenceLocked(VoiceSlot slot, const Voice* voice);
    void waitUntilCallbackLeft() const;
    void closeStream();

    static constexpr std::size_t kSlots = static_cast<std::size_t>(VoiceSlot::Count);
    PortAudioHost& m_host;
    std::mutex m_mutex;
    PaStream* m_stream = nullptr;
    bool m_started = false;
    uint64_t m_plays = 0; // voices started so far
    OutputFormat m_format;
    std::array<std::shared_ptr<Voice>, kSlots> m_owned;
    std::array<std::atomic<Voice*>, kSlots> m_live{};
    // Odd while the callback runs; lets a control call know no callback still holds a voice.
    std::atomic<uint64_t> m_callbackEpoch{0};
    // Counts what the idle watcher must look at: the callback finding everything quiet after a
    // play, and the stream being stopped. The watcher sleeps on it.
    std::atomic<uint32_t> m_changes{0};
    std::atomic<bool> m_quietReported{true}; // the callback reports quiet once per play
    std::jthread m_idleWatcher;              // last: stopped before the members it uses go
};

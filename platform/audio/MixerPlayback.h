#pragma once

#include "platform/audio/AudioDevices.h"
#include "platform/audio/OutputMixer.h"

#include <atomic>

// The single-play device over the shared output: one file opened, played from its start on
// each play, in the mixer's device slot.
class MixerPlaybackDevice : public IPlaybackDevice {
public:
    explicit MixerPlaybackDevice(OutputMixer& mixer) : m_mixer(mixer) {}
    ~MixerPlaybackDevice() override { close(); }

    AudioResult open(const QString& path) override;
    AudioResult play(qint64 startFrame, float gain) override;
    void stop() override;
    void close() override;

private:
    enum class State { Closed, OpenedNothing, Opened };
    OutputMixer& m_mixer;
    State m_state = State::Closed;
    QString m_path;
};

// Loops and synchronous plays over the shared output, in their own slots, so they sound
// together with the playback device.
class MixerSoundPlayer : public ISoundPlayer {
public:
    explicit MixerSoundPlayer(OutputMixer& mixer) : m_mixer(mixer) {}
    ~MixerSoundPlayer() override { silence(); }

    bool playLoop(const QString& path, float gain) override;
    bool playSync(const QString& path, float gain) override;
    void stopSync() override;
    void silence() override;

private:
    OutputMixer& m_mixer;
    std::atomic<bool> m_stopSync{false};
};

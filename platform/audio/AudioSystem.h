#pragma once

#include "platform/audio/AudioDevices.h"

#include <memory>

class PortAudioHost;
class OutputMixer;
class MixerPlaybackDevice;
class MixerSoundPlayer;

// The program's sound services over PortAudio, libsndfile and libsamplerate. Owns the one
// output stream, which mixes the playback device's single play with the sound player's loop
// or synchronous play. Nothing touches a device until the first play or recording, and a
// machine without sound gives error texts rather than failures. Build one per process.
class AudioSystem {
public:
    AudioSystem();
    ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    IPlaybackDevice& playbackDevice();
    ISoundPlayer& soundPlayer();
    // A new recording from the default input; it must not outlive this object.
    std::unique_ptr<IRecordingDevice> newRecordingDevice();

private:
    std::unique_ptr<PortAudioHost> m_host;
    std::unique_ptr<OutputMixer> m_mixer;
    std::unique_ptr<MixerPlaybackDevice> m_device;
    std::unique_ptr<MixerSoundPlayer> m_player;
};

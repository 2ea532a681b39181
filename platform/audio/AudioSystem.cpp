#include "platform/audio/AudioSystem.h"

#include "platform/audio/MixerPlayback.h"
#include "platform/audio/OutputMixer.h"
#include "platform/audio/PortAudioHost.h"
#include "platform/audio/PortAudioRecorder.h"

AudioSystem::AudioSystem()
    : m_host(std::make_unique<PortAudioHost>()), m_mixer(std::make_unique<OutputMixer>(*m_host)),
      m_device(std::make_unique<MixerPlaybackDevice>(*m_mixer)),
      m_player(std::make_unique<MixerSoundPlayer>(*m_mixer)) {}

// Members go in reverse order: the players before the mixer, the mixer before the library.
AudioSystem::~AudioSystem() = default;

IPlaybackDevice& AudioSystem::playbackDevice() {
    return *m_device;
}

ISoundPlayer& AudioSystem::soundPlayer() {
    return *m_player;
}

std::unique_ptr<IRecordingDevice> AudioSystem::newRecordingDevice() {
    return std::make_unique<PortAudioRecorder>(*m_host);
}

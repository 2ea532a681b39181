#include "platform/audio/OutputMixer.h"

#include <algorithm>
#include <thread>

OutputMixer::OutputMixer(PortAudioHost& host) : m_host(host) {}

OutputMixer::~OutputMixer() {
    std::scoped_lock lock(m_mutex);
    closeStream();
}

bool OutputMixer::isRunning() {
    std::scoped_lock lock(m_mutex);
    return streamActive();
}

bool OutputMixer::streamActive() const {
    return m_stream != nullptr && Pa_IsStreamActive(m_stream) == 1;
}

std::expected<std::shared_ptr<const Voice>, QString>
OutputMixer::play(VoiceSlot slot, const QString& path, bool loop) {
    std::scoped_lock lock(m_mutex);
    silenceLocked(slot, nullptr);
    const auto format = ensureRunning();
    if (!format)
        return std::unexpected(format.error());
    auto voice = Voice::start(path, *format, loop);
    if (!voice)
        return std::unexpected(voice.error());
    const auto index = static_cast<std::size_t>(slot);
    m_owned[index] = std::move(*voice);
    m_live[index].store(m_owned[index].get());
    return m_owned[index];
}

void OutputMixer::silence(VoiceSlot slot, const Voice* voice) {
    std::scoped_lock lock(m_mutex);
    silenceLocked(slot, voice);
}

void OutputMixer::silenceLocked(VoiceSlot slot, const Voice* voice) {
    const auto index = static_cast<std::size_t>(slot);
    if (!m_owned[index] || (voice != nullptr && m_owned[index].get() != voice))
        return;
    m_live[index].store(nullptr);
    waitUntilCallbackLeft();
    m_owned[index].reset();
}

std::expected<OutputFormat, QString> OutputMixer::ensureRunning() {
    if (streamActive())
        return m_format;
    closeStream();
    auto opened = m_host.open({StreamDirection::Output, paFloat32, &OutputMixer::callback, this});
    if (!opened)
        return std::unexpected(opened.error());
    m_stream = opened->stream;
    m_format = {opened->sampleRate, opened->channels};
    if (auto started = m_host.start(m_stream); !started) {
        closeStream();
        return std::unexpected(started.error());
    }
    return m_format;
}

// Voices made for a stream that failed may have another format: they go with it.
void OutputMixer::closeStream() {
    m_host.close(m_stream);
    m_stream = nullptr;
    for (std::size_t i = 0; i < kSlots; ++i)
        silenceLocked(static_cast<VoiceSlot>(i), nullptr);
}

// A callback that began before a slot was cleared may still use the old voice; one that begins
// afterwards cannot see it. Waits at most for one callback to end.
void OutputMixer::waitUntilCallbackLeft() const {
    const uint64_t epoch = m_callbackEpoch.load();
    if (epoch % 2 == 0)
        return;
    while (m_callbackEpoch.load() == epoch)
        std::this_thread::yield();
}

int OutputMixer::callback(const void*, void* output, unsigned long frames,
                          const PaStreamCallbackTimeInfo*, PaStreamCallbackFlags, void* self) {
    static_cast<OutputMixer*>(self)->mix(static_cast<float*>(output), frames);
    return paContinue;
}

void OutputMixer::mix(float* out, unsigned long frames) noexcept {
    m_callbackEpoch.fetch_add(1);
    const std::size_t samples = frames * static_cast<std::size_t>(m_format.channels);
    std::fill_n(out, samples, 0.0f);
    for (auto& live : m_live) {
        if (Voice* voice = live.load())
            voice->mixInto(out, frames);
    }
    for (std::size_t i = 0; i < samples; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    m_callbackEpoch.fetch_add(1);
}

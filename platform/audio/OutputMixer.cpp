#include "platform/audio/OutputMixer.h"

#include <algorithm>
#include <condition_variable>
#include <thread>

namespace {

// Longer than any output buffer, so what the last voice left in it has been heard.
constexpr auto kDrainTime = std::chrono::milliseconds(400);
// How long a stopped stream stays open for the next play. An open stream keeps the sound
// server's client thread waking the program, so a quiet program closes it.
constexpr auto kKeepOpen = std::chrono::seconds(3);

} // namespace

OutputMixer::OutputMixer(PortAudioHost& host)
    : m_host(host), m_idleWatcher([this](std::stop_token stop) { watchIdle(stop); }) {}

OutputMixer::~OutputMixer() {
    m_idleWatcher.request_stop();
    wakeWatcher();
    m_idleWatcher.join();
    std::scoped_lock lock(m_mutex);
    closeStream();
}

void OutputMixer::wakeWatcher() noexcept {
    m_changes.fetch_add(1);
    m_changes.notify_one();
}

// Sleeps until the callback finds every voice finished or the stream is stopped. After the
// last sound it lets what is left in the output buffer be heard and stops the stream; a stopped
// stream is closed a little later. A play in between cancels either step. Nothing wakes it
// while the program is idle.
void OutputMixer::watchIdle(std::stop_token stop) {
    uint32_t seen = m_changes.load();
    while (!stop.stop_requested()) {
        m_changes.wait(seen);
        seen = m_changes.load();
        const bool goOn = settle(
                              stop, kDrainTime, [this] { return m_started && !sounding(); },
                              [this] { pause(); }) &&
                          settle(
                              stop, kKeepOpen, [this] { return m_stream != nullptr && !m_started; },
                              [this] { closeStream(); });
        if (!goOn)
            return;
    }
}

// When idle() holds, waits for delay and does act() if it still holds and nothing was played
// meanwhile. False when the mixer is going away.
bool OutputMixer::settle(std::stop_token stop, std::chrono::milliseconds delay,
                         const std::function<bool()>& idle, const std::function<void()>& act) {
    uint64_t playsBefore = 0;
    {
        std::scoped_lock lock(m_mutex);
        if (!idle())
            return true;
        playsBefore = m_plays;
    }
    std::mutex sleeping;
    std::condition_variable_any never;
    std::unique_lock sleep(sleeping);
    never.wait_for(sleep, stop, delay, [] { return false; });
    if (stop.stop_requested())
        return false;
    std::scoped_lock lock(m_mutex);
    if (idle() && playsBefore == m_plays)
        act();
    return true;
}

bool OutputMixer::isRunning() {
    std::scoped_lock lock(m_mutex);
    return running();
}

std::chrono::duration<double> OutputMixer::outputLatency() {
    std::scoped_lock lock(m_mutex);
    const PaStreamInfo* info = m_stream != nullptr ? Pa_GetStreamInfo(m_stream) : nullptr;
    return std::chrono::duration<double>(info != nullptr ? info->outputLatency : 0.0);
}

bool OutputMixer::running() const {
    return m_started && Pa_IsStreamActive(m_stream) == 1;
}

bool OutputMixer::sounding() const {
    return std::ranges::any_of(
        m_owned, [](const auto& voice) { return voice != nullptr && !voice->finished(); });
}

std::expected<std::shared_ptr<const Voice>, QString>
OutputMixer::play(VoiceSlot slot, const QString& path, bool loop, qint64 startFrame, float gain) {
    std::scoped_lock lock(m_mutex);
    if (m_started && !running()) // it failed while sounding: the silence below would hide it
        closeStream();
    silenceLocked(slot, nullptr);
    const auto format = ensureOpen();
    if (!format)
        return std::unexpected(format.error());
    auto voice = Voice::start(path, *format, loop, startFrame, gain);
    if (!voice)
        return std::unexpected(voice.error());
    if (auto started = start(slot, *voice); !started)
        return std::unexpected(started.error());
    return *voice;
}

// An idle stream still holds a buffer of silence: it is restarted so the voice fills the new
// buffer.
AudioResult OutputMixer::start(VoiceSlot slot, std::shared_ptr<Voice> voice) {
    if (!sounding())
        pause();
    const auto index = static_cast<std::size_t>(slot);
    m_owned[index] = std::move(voice);
    m_live[index].store(m_owned[index].get());
    ++m_plays;
    m_quietReported.store(false);
    if (m_started)
        return {};
    auto started = m_host.start(m_stream, StreamDirection::Output);
    m_started = started.has_value();
    if (!started)
        closeStream();
    return started;
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
    if (!sounding())
        pause();
}

void OutputMixer::pause() {
    if (m_started) {
        m_host.abort(m_stream);
        wakeWatcher(); // to close the stream if it stays stopped
    }
    m_started = false;
}

StreamRequest OutputMixer::request() {
    return {StreamDirection::Output, paFloat32, &OutputMixer::callback, this,
            paPrimeOutputBuffersUsingStreamCallback};
}

// Opens the stream, stopped, unless it is open and still usable: a running one is, and one
// kept stopped is while its device still answers. Starting a stream whose sound server went
// away meanwhile would never return.
std::expected<OutputFormat, QString> OutputMixer::ensureOpen() {
    if (m_stream != nullptr && (m_started || m_host.deviceAnswers(request())))
        return m_format;
    closeStream();
    auto opened = m_host.open(request());
    if (!opened)
        return std::unexpected(opened.error());
    m_stream = opened->stream;
    m_format = {opened->sampleRate, opened->channels};
    return m_format;
}

// Voices made for a stream that failed may have another format: they go with it.
void OutputMixer::closeStream() {
    m_host.close(m_stream);
    m_stream = nullptr;
    m_started = false;
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
    bool sounding = false;
    for (auto& live : m_live) {
        if (Voice* voice = live.load()) {
            voice->mixInto(out, frames);
            sounding = sounding || !voice->finished();
        }
    }
    if (!sounding && !m_quietReported.exchange(true))
        wakeWatcher();
    for (std::size_t i = 0; i < samples; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    m_callbackEpoch.fetch_add(1);
}

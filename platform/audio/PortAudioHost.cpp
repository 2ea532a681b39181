#include "platform/audio/PortAudioHost.h"

#include "platform/audio/BoundedStart.h"
#include "platform/audio/QuietAudioLog.h"

#include <algorithm>
#include <chrono>
#include <pa_linux_alsa.h>

namespace {

// Output buffering in seconds. Smaller buffers run dry when the machine is busy (a sound server
// reached through ALSA has its own threads to schedule); a play on an idle output starts the
// stream afresh, so this delays only sounds that start while others sound.
constexpr double kOutputLatency = 0.040;
constexpr unsigned long kFramesPerBuffer = 256;
// A start takes some tens of milliseconds, a few hundred on a loaded machine.
constexpr auto kStartLimit = std::chrono::seconds(2);

QString noDeviceText(StreamDirection direction) {
    return direction == StreamDirection::Output
               ? QStringLiteral("No sound output device is available. Check that the sound "
                                "server is running and an output device is connected.")
               : QStringLiteral("No sound input device is available. Check that the sound "
                                "server is running and a recording device is connected.");
}

int maxChannels(const PaDeviceInfo& info, StreamDirection direction) {
    return direction == StreamDirection::Output ? info.maxOutputChannels : info.maxInputChannels;
}

PaStreamParameters parametersFor(PaDeviceIndex device, const StreamRequest& request) {
    const PaDeviceInfo& info = *Pa_GetDeviceInfo(device);
    const bool output = request.direction == StreamDirection::Output;
    PaStreamParameters parameters{};
    parameters.device = device;
    parameters.channelCount = std::min(2, maxChannels(info, request.direction));
    parameters.sampleFormat = request.sampleFormat;
    parameters.suggestedLatency = output ? std::max(kOutputLatency, info.defaultLowOutputLatency)
                                         : info.defaultLowInputLatency;
    return parameters;
}

// The audio thread only mixes, so it may as well be scheduled first where the system allows.
void preferRealTime(PaStream* stream, PaDeviceIndex device) {
    const PaHostApiInfo* api = Pa_GetHostApiInfo(Pa_GetDeviceInfo(device)->hostApi);
    if (api != nullptr && api->type == paALSA)
        PaAlsa_EnableRealtimeScheduling(stream, 1);
}

} // namespace

PortAudioHost::~PortAudioHost() {
    std::scoped_lock lock(m_mutex);
    terminate();
}

bool PortAudioHost::initialise() {
    if (m_initialised)
        return true;
    silenceAudioLibraryMessages();
    m_initialised = Pa_Initialize() == paNoError;
    return m_initialised;
}

// A stream given up on may still be inside the library, which must then stay as it is.
void PortAudioHost::terminate() {
    if (!m_givenUp.empty())
        return;
    if (m_initialised)
        Pa_Terminate();
    m_initialised = false;
}

PaDeviceIndex PortAudioHost::findDevice(StreamDirection direction) {
    if (!initialise())
        return paNoDevice;
    const PaDeviceIndex device = direction == StreamDirection::Output ? Pa_GetDefaultOutputDevice()
                                                                      : Pa_GetDefaultInputDevice();
    if (device == paNoDevice || maxChannels(*Pa_GetDeviceInfo(device), direction) < 1)
        return paNoDevice;
    return device;
}

// A failure may come from a device list read before a sound server started or stopped: with
// no stream open, the list is read again and the open tried once more. A list that must stay
// (see terminate) names devices that may be gone, which is what a failure then means.
std::expected<OpenedStream, QString> PortAudioHost::open(const StreamRequest& request) {
    std::scoped_lock lock(m_mutex);
    auto opened = tryOpen(request);
    if (!opened && !m_givenUp.empty())
        return std::unexpected(noDeviceText(request.direction));
    if (!opened && m_openStreams == 0) {
        terminate();
        opened = tryOpen(request);
    }
    if (opened)
        ++m_openStreams;
    return opened;
}

std::expected<OpenedStream, QString> PortAudioHost::tryOpen(const StreamRequest& request) {
    const PaDeviceIndex device = findDevice(request.direction);
    if (device == paNoDevice)
        return std::unexpected(noDeviceText(request.direction));
    const PaStreamParameters parameters = parametersFor(device, request);
    const bool output = request.direction == StreamDirection::Output;
    const double rate = Pa_GetDeviceInfo(device)->defaultSampleRate;
    OpenedStream opened{nullptr, static_cast<int>(rate), parameters.channelCount};
    const PaError error = Pa_OpenStream(&opened.stream, output ? nullptr : &parameters,
                                        output ? &parameters : nullptr, rate, kFramesPerBuffer,
                                        request.flags, request.callback, request.userData);
    if (error != paNoError)
        return std::unexpected(QStringLiteral("The sound device cannot be opened (%1).")
                                   .arg(QString::fromUtf8(Pa_GetErrorText(error))));
    preferRealTime(opened.stream, device);
    return opened;
}

bool PortAudioHost::deviceAnswers(const StreamRequest& request) {
    std::scoped_lock lock(m_mutex);
    const PaDeviceIndex device = findDevice(request.direction);
    if (device == paNoDevice)
        return false;
    const PaStreamParameters parameters = parametersFor(device, request);
    const bool output = request.direction == StreamDirection::Output;
    return Pa_IsFormatSupported(output ? nullptr : &parameters, output ? &parameters : nullptr,
                                Pa_GetDeviceInfo(device)->defaultSampleRate) == paFormatIsSupported;
}

AudioResult PortAudioHost::start(PaStream* stream, StreamDirection direction) {
    std::scoped_lock lock(m_mutex);
    const std::optional<PaError> error = startWithin(stream, kStartLimit);
    if (!error) {
        m_givenUp.insert(stream);
        --m_openStreams;
        return std::unexpected(noDeviceText(direction));
    }
    if (*error != paNoError)
        return std::unexpected(QStringLiteral("The sound device cannot be started (%1).")
                                   .arg(QString::fromUtf8(Pa_GetErrorText(*error))));
    return {};
}

void PortAudioHost::stop(PaStream* stream) {
    std::scoped_lock lock(m_mutex);
    if (!m_givenUp.contains(stream))
        Pa_StopStream(stream);
}

void PortAudioHost::abort(PaStream* stream) {
    std::scoped_lock lock(m_mutex);
    if (!m_givenUp.contains(stream))
        Pa_AbortStream(stream);
}

void PortAudioHost::close(PaStream* stream) {
    std::scoped_lock lock(m_mutex);
    if (stream == nullptr || m_givenUp.contains(stream))
        return;
    Pa_AbortStream(stream);
    Pa_CloseStream(stream);
    --m_openStreams;
}

#include "platform/audio/Voice.h"

#include <algorithm>
#include <chrono>
#include <span>

namespace {

constexpr int64_t kBlockFrames = 1024;
constexpr double kRingSeconds = 0.5;
constexpr double kPrimeSeconds = 0.1;
constexpr auto kReaderPause = std::chrono::milliseconds(5);

} // namespace

std::expected<std::shared_ptr<Voice>, QString>
Voice::start(const QString& path, OutputFormat format, bool loop, int64_t startFrame, float gain) {
    auto decoder = SoundDecoder::open(path);
    if (!decoder)
        return std::unexpected(decoder.error());
    if (startFrame > 0 && !decoder->seek(startFrame))
        return std::unexpected(
            QStringLiteral("The sound \"%1\" cannot be played from a point within it.").arg(path));
    auto voice = std::make_shared<Voice>(std::move(*decoder), format, loop, gain);
    voice->prime();
    voice->m_reader = std::jthread([raw = voice.get()](std::stop_token stop) { raw->run(stop); });
    return voice;
}

Voice::Voice(SoundDecoder decoder, OutputFormat format, bool loop, float gain)
    : m_decoder(std::move(decoder)), m_format(format), m_loop(loop), m_gain(gain),
      m_converter(m_decoder.sampleRate(), format.sampleRate, format.channels),
      m_decoded(kBlockFrames * m_decoder.channels()), m_mapped(kBlockFrames * format.channels),
      m_converted(m_converter.maxOutputFrames(kBlockFrames) * format.channels),
      m_ring(std::max<std::size_t>(kRingSeconds * format.sampleRate * format.channels,
                                   4 * m_converted.size())) {}

Voice::~Voice() = default;

double Voice::durationSeconds() const {
    return static_cast<double>(m_decoder.frames()) / m_decoder.sampleRate();
}

void Voice::prime() {
    const auto primeSamples =
        static_cast<std::size_t>(kPrimeSeconds * m_format.sampleRate) * m_format.channels;
    while (!m_inputDone.load() && m_ring.available() < primeSamples &&
           m_ring.freeSpace() >= m_converted.size())
        produceBlock();
}

void Voice::run(std::stop_token stop) {
    while (!stop.stop_requested() && !m_inputDone.load(std::memory_order_relaxed)) {
        if (m_ring.freeSpace() >= m_converted.size())
            produceBlock();
        else
            std::this_thread::sleep_for(kReaderPause);
    }
}

// Needs room in the ring for a whole converted block.
void Voice::produceBlock() {
    const int64_t frames = readBlock();
    const bool endOfInput = frames == 0;
    mapChannels(frames);
    const long converted =
        m_converter.convert(std::span<const float>(m_mapped.data(), frames * m_format.channels),
                            m_converted, endOfInput);
    m_ring.write(m_converted.data(), static_cast<std::size_t>(converted) * m_format.channels);
    if (endOfInput)
        m_inputDone.store(true, std::memory_order_release);
}

// A loop starts over at the end; a loop of an empty or unseekable file ends instead of spinning.
int64_t Voice::readBlock() {
    int64_t frames = m_decoder.read(m_decoded.data(), kBlockFrames);
    if (frames <= 0 && m_loop && m_decoder.rewind())
        frames = m_decoder.read(m_decoded.data(), kBlockFrames);
    return std::max<int64_t>(frames, 0);
}

// Mono is sent to both sides; of more channels the first two are kept. The gain is applied
// here, on the reader thread, and the result kept within full scale.
void Voice::mapChannels(int64_t frames) {
    const int in = m_decoder.channels();
    const int out = m_format.channels;
    for (int64_t f = 0; f < frames; ++f) {
        const float* src = &m_decoded[f * in];
        float* dst = &m_mapped[f * out];
        if (out == 1)
            dst[0] = in == 1 ? src[0] : 0.5f * (src[0] + src[1]);
        else
            for (int c = 0; c < out; ++c)
                dst[c] = src[std::min(c, in - 1)];
    }
    if (m_gain != 1.0f)
        for (float& value : std::span(m_mapped.data(), std::size_t(frames * out)))
            value = std::clamp(value * m_gain, -1.0f, 1.0f);
}

void Voice::mixInto(float* out, unsigned long frames) noexcept {
    if (m_finished.load(std::memory_order_relaxed))
        return;
    const bool inputDone = m_inputDone.load(std::memory_order_acquire);
    std::size_t position = 0;
    m_ring.consume(frames * m_format.channels, [&](const float* values, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            out[position + i] += values[i];
        position += n;
    });
    if (inputDone && m_ring.available() == 0)
        m_finished.store(true, std::memory_order_release);
}

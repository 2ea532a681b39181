#include "platform/audio/LoudnessMeter.h"

#include "platform/audio/SoundDecoder.h"

#include <algorithm>
#include <cmath>
#include <ebur128.h>
#include <limits>
#include <memory>
#include <vector>

namespace {

struct FreeMeter {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};

constexpr int64_t kBlockFrames = 16384;

} // namespace

std::expected<LoudnessFacts, QString> measureLoudness(const QString& path, double limitSeconds) {
    auto decoder = SoundDecoder::open(path);
    if (!decoder)
        return std::unexpected(decoder.error());
    const int channels = decoder->channels();
    // The true peak's oversampling costs most of the time: a quick measure does without.
    const bool quick = limitSeconds > 0;
    std::unique_ptr<ebur128_state, FreeMeter> meter(
        ebur128_init(unsigned(channels), unsigned(decoder->sampleRate()),
                     EBUR128_MODE_I | (quick ? EBUR128_MODE_SAMPLE_PEAK : EBUR128_MODE_TRUE_PEAK)));
    if (!meter)
        return std::unexpected(QStringLiteral("%1: cannot measure its loudness").arg(path));
    // A mono sound is played on both speakers, and heard as loud as that.
    if (channels == 1)
        ebur128_set_channel(meter.get(), 0, EBUR128_DUAL_MONO);
    std::vector<float> block(size_t(kBlockFrames * channels));
    int64_t left =
        quick ? int64_t(limitSeconds * decoder->sampleRate()) : std::numeric_limits<int64_t>::max();
    while (left > 0) {
        const int64_t frames = decoder->read(block.data(), std::min(kBlockFrames, left));
        if (frames <= 0)
            break;
        left -= frames;
        if (ebur128_add_frames_float(meter.get(), block.data(), size_t(frames)) != EBUR128_SUCCESS)
            return std::unexpected(QStringLiteral("%1: cannot measure its loudness").arg(path));
    }
    LoudnessFacts facts;
    facts.estimate = quick;
    if (ebur128_loudness_global(meter.get(), &facts.integrated) != EBUR128_SUCCESS)
        facts.integrated = -INFINITY;
    double peak = 0;
    for (int channel = 0; channel < channels; ++channel) {
        double channelPeak = 0;
        const auto read = quick ? ebur128_sample_peak : ebur128_true_peak;
        if (read(meter.get(), unsigned(channel), &channelPeak) == EBUR128_SUCCESS)
            peak = std::max(peak, channelPeak);
    }
    facts.truePeak = peak > 0 ? 20 * std::log10(peak) : -INFINITY;
    return facts;
}

#include "platform/audio/LoudnessMeter.h"

#include "platform/audio/SoundDecoder.h"

#include <cmath>
#include <ebur128.h>
#include <memory>
#include <vector>

namespace {

struct FreeMeter {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};

constexpr int64_t kBlockFrames = 16384;

} // namespace

std::expected<LoudnessFacts, QString> measureLoudness(const QString& path) {
    auto decoder = SoundDecoder::open(path);
    if (!decoder)
        return std::unexpected(decoder.error());
    const int channels = decoder->channels();
    std::unique_ptr<ebur128_state, FreeMeter> meter(
        ebur128_init(unsigned(channels), unsigned(decoder->sampleRate()),
                     EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
    if (!meter)
        return std::unexpected(QStringLiteral("%1: cannot measure its loudness").arg(path));
    std::vector<float> block(size_t(kBlockFrames * channels));
    while (const int64_t frames = decoder->read(block.data(), kBlockFrames))
        if (ebur128_add_frames_float(meter.get(), block.data(), size_t(frames)) != EBUR128_SUCCESS)
            return std::unexpected(QStringLiteral("%1: cannot measure its loudness").arg(path));
    LoudnessFacts facts;
    if (ebur128_loudness_global(meter.get(), &facts.integrated) != EBUR128_SUCCESS)
        facts.integrated = -INFINITY;
    double peak = 0;
    for (int channel = 0; channel < channels; ++channel) {
        double channelPeak = 0;
        if (ebur128_true_peak(meter.get(), unsigned(channel), &channelPeak) == EBUR128_SUCCESS)
            peak = std::max(peak, channelPeak);
    }
    facts.truePeak = peak > 0 ? 20 * std::log10(peak) : -INFINITY;
    return facts;
}

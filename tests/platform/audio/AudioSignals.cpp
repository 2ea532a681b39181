#include "AudioSignals.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kWindowSeconds = 0.01;

} // namespace

std::expected<void, QString> writeTone(const QString& path, const ToneSpec& spec) {
    SF_INFO info{};
    info.samplerate = spec.sampleRate;
    info.channels = spec.channels;
    info.format = spec.format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (file == nullptr)
        return std::unexpected(QString::fromUtf8(sf_strerror(nullptr)));
    const auto frames = static_cast<int64_t>(spec.seconds * spec.sampleRate);
    std::vector<float> block;
    for (int64_t f = 0; f < frames; ++f) {
        const bool later = spec.laterFrequency > 0 && 2 * f >= frames;
        const double phase = 2.0 * std::numbers::pi *
                             (later ? spec.laterFrequency : spec.frequency) * f / spec.sampleRate;
        block.insert(block.end(), spec.channels,
                     static_cast<float>(spec.amplitude * std::sin(phase)));
        if (block.size() >= 8192 || f + 1 == frames) {
            sf_writef_float(file, block.data(),
                            static_cast<sf_count_t>(block.size() / spec.channels));
            block.clear();
        }
    }
    sf_close(file);
    return {};
}

std::span<const float> MonoSound::between(double fromSeconds, double toSeconds) const {
    const auto clampIndex = [this](double s) {
        return std::clamp<int64_t>(static_cast<int64_t>(s * sampleRate), 0,
                                   static_cast<int64_t>(samples.size()));
    };
    const int64_t from = clampIndex(fromSeconds);
    const int64_t to = std::max(from, clampIndex(toSeconds));
    return std::span<const float>(samples).subspan(from, to - from);
}

std::expected<MonoSound, QString> readMono(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (file == nullptr)
        return std::unexpected(QString::fromUtf8(sf_strerror(nullptr)));
    std::vector<float> interleaved(static_cast<std::size_t>(info.frames) * info.channels);
    const sf_count_t read = sf_readf_float(file, interleaved.data(), info.frames);
    sf_close(file);
    MonoSound sound{info.samplerate, std::vector<float>(static_cast<std::size_t>(read))};
    for (sf_count_t f = 0; f < read; ++f) {
        float sum = 0;
        for (int c = 0; c < info.channels; ++c)
            sum += interleaved[f * info.channels + c];
        sound.samples[f] = sum / info.channels;
    }
    return sound;
}

double toneAmplitude(std::span<const float> samples, int sampleRate, double frequency) {
    if (samples.empty())
        return 0;
    double re = 0;
    double im = 0;
    const double step = 2.0 * std::numbers::pi * frequency / sampleRate;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        re += samples[n] * std::cos(step * n);
        im -= samples[n] * std::sin(step * n);
    }
    return 2.0 * std::hypot(re, im) / samples.size();
}

double rms(std::span<const float> samples) {
    if (samples.empty())
        return 0;
    double sum = 0;
    for (float s : samples)
        sum += double(s) * s;
    return std::sqrt(sum / samples.size());
}

double dominantFrequency(std::span<const float> samples, int sampleRate, double low, double high) {
    double best = low;
    double bestAmplitude = -1;
    for (double f = low; f <= high; f += 1.0) {
        const double amplitude = toneAmplitude(samples, sampleRate, f);
        if (amplitude > bestAmplitude) {
            bestAmplitude = amplitude;
            best = f;
        }
    }
    return best;
}

std::optional<SoundSpan> soundingSpan(const MonoSound& sound, double threshold, int64_t from) {
    const auto window = static_cast<int64_t>(kWindowSeconds * sound.sampleRate);
    const auto total = static_cast<int64_t>(sound.samples.size());
    std::optional<SoundSpan> span;
    for (int64_t start = std::max<int64_t>(from, 0); start + window <= total; start += window) {
        if (rms(std::span<const float>(sound.samples).subspan(start, window)) <= threshold)
            continue;
        if (!span)
            span = SoundSpan{start, start + window};
        span->end = start + window;
    }
    return span;
}

std::optional<int64_t> firstLoudSample(const MonoSound& sound, double threshold, int64_t from) {
    for (auto i = static_cast<std::size_t>(std::max<int64_t>(from, 0)); i < sound.samples.size();
         ++i)
        if (std::abs(sound.samples[i]) > threshold)
            return static_cast<int64_t>(i);
    return std::nullopt;
}

#include "platform/audio/LoudnessMeter.h"
#include "platform/audio/LoudnessAnalysis.h"
#include "tests/support/WavBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <ebur128.h>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sndfile.h>
#include <vector>

namespace {

// A 16-bit 48 kHz sine of frequency at peak dBFS in every channel.
QByteArray stereoSine(double seconds, double frequency, double peakDb, uint16_t channels = 2) {
    const int rate = 48000;
    const int frames = int(seconds * rate);
    const double amplitude = 32767.0 * std::pow(10.0, peakDb / 20);
    QByteArray samples;
    samples.reserve(frames * 4);
    for (int i = 0; i < frames; ++i) {
        const auto value =
            int16_t(std::lround(amplitude * std::sin(2 * M_PI * frequency * i / rate)));
        for (int channel = 0; channel < channels; ++channel)
            appendLe16(samples, uint16_t(value));
    }
    QByteArray fmt;
    appendLe16(fmt, 1);
    appendLe16(fmt, channels);
    appendLe32(fmt, rate);
    appendLe32(fmt, rate * 2 * channels);
    appendLe16(fmt, uint16_t(2 * channels));
    appendLe16(fmt, 16);
    const QByteArray body = "WAVE" + makeChunk("fmt ", fmt) + makeChunk("data", samples);
    QByteArray file("RIFF");
    appendLe32(file, uint32_t(body.size()));
    return file + body;
}

TEST(LoudnessMeter, ReadsTheReferenceSineAtMinus23Lufs) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sine.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(stereoSine(20, 1000, -23));
    file.close();
    const auto facts = measureLoudness(path);
    ASSERT_TRUE(facts) << facts.error().toStdString();
    EXPECT_NEAR(facts->integrated, -23.0, 0.1);
    EXPECT_NEAR(facts->truePeak, -23.0, 0.2);

    QFile broken(dir.filePath(QStringLiteral("broken.wav")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF not a sound");
    broken.close();
    EXPECT_FALSE(measureLoudness(broken.fileName()));
}

// Mono is heard on both speakers, so it reads as loud as the same sine in stereo; a limit
// estimates from the start only and says so.
TEST(LoudnessMeter, ReadsMonoAsBothSpeakersAndEstimatesFromTheStartWhenLimited) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mono.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(stereoSine(10, 1000, -23, 1));
    file.close();
    const auto whole = measureLoudness(path);
    ASSERT_TRUE(whole);
    EXPECT_NEAR(whole->integrated, -23.0, 0.1);
    EXPECT_FALSE(whole->estimate);
    const auto start = measureLoudness(path, 3);
    ASSERT_TRUE(start);
    EXPECT_NEAR(start->integrated, -23.0, 0.1);
    EXPECT_NEAR(start->truePeak, -23.0, 0.2);
    EXPECT_TRUE(start->estimate);
}

} // namespace

namespace {

// Writes frames as a 32-bit float WAV, so the file holds exactly the samples given.
QString writeFloatWav(const QTemporaryDir& dir, const char* name, int rate, int channels,
                      const std::vector<float>& samples) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    EXPECT_NE(file, nullptr);
    sf_writef_float(file, samples.data(), sf_count_t(samples.size()) / channels);
    sf_close(file);
    return path;
}

LoudnessFacts referenceFacts(int rate, int channels, const std::vector<float>& samples) {
    ebur128_state* state =
        ebur128_init(unsigned(channels), unsigned(rate), EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    if (channels == 1)
        ebur128_set_channel(state, 0, EBUR128_DUAL_MONO);
    ebur128_add_frames_float(state, samples.data(), samples.size() / size_t(channels));
    LoudnessFacts facts;
    ebur128_loudness_global(state, &facts.integrated);
    double peak = 0;
    for (int channel = 0; channel < channels; ++channel) {
        double channelPeak = 0;
        ebur128_true_peak(state, unsigned(channel), &channelPeak);
        peak = std::max(peak, channelPeak);
    }
    facts.truePeak = 20 * std::log10(peak);
    ebur128_destroy(&state);
    return facts;
}

struct Signal {
    const char* name;
    int rate;
    int channels;
    double seconds;
    std::function<float(int64_t frame, int channel)> sample;
};

} // namespace

// Noise of one, two and six channels, of lengths that end inside a stretch, and a tone near a
// quarter of the rate (whose peaks fall between the samples) read as libebur128 reads them,
// within 0.05 LU and 0.3 dB (the true peak's interpolation filters differ).
TEST(LoudnessMeter, AgreesWithLibebur128OnNoiseAndChannelCountsAndPeaksBetweenSamples) {
    std::mt19937 random(7);
    std::normal_distribution<float> noise(0, 0.1f);
    const Signal kinds[] = {
        {"stereo.wav", 44100, 2, 31.3, [&](int64_t, int c) { return noise(random) * (1 + c); }},
        {"mono.wav", 48000, 1, 9.7, [&](int64_t, int) { return noise(random); }},
        {"six.wav", 44100, 6, 12.1,
         [&](int64_t, int c) { return noise(random) * float(c + 1) / 4; }},
        {"between.wav", 48000, 2, 5.2,
         [](int64_t i, int c) {
             return float(0.5 * std::sin(2 * M_PI * 12003 * double(i) / 48000 + c));
         }},
    };
    QTemporaryDir dir;
    for (const Signal& signal : kinds) {
        std::vector<float> samples(size_t(signal.seconds * signal.rate) * size_t(signal.channels));
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = signal.sample(int64_t(i) / signal.channels, int(i) % signal.channels);
        const QString path = writeFloatWav(dir, signal.name, signal.rate, signal.channels, samples);
        const auto measured = measureLoudness(path);
        ASSERT_TRUE(measured) << signal.name;
        const LoudnessFacts reference = referenceFacts(signal.rate, signal.channels, samples);
        EXPECT_NEAR(measured->integrated, reference.integrated, 0.05) << signal.name;
        EXPECT_NEAR(measured->truePeak, reference.truePeak, 0.3) << signal.name;
    }

    // Too short to measure, and silence: no loudness, no peak.
    const QString shortPath =
        writeFloatWav(dir, "short.wav", 48000, 2, std::vector<float>(2 * 14000, 0.1f));
    EXPECT_EQ(measureLoudness(shortPath)->integrated, -INFINITY);
    const QString silentPath =
        writeFloatWav(dir, "silent.wav", 48000, 2, std::vector<float>(2 * 96000));
    EXPECT_EQ(measureLoudness(silentPath)->truePeak, -INFINITY);
}

namespace {

// Feeds interleaved frames to the analysis chunk by chunk, as the meter does.
void analyse(LoudnessAnalysis& analysis, const std::vector<float>& samples, int channels) {
    const int64_t history = analysis.historyFrames(), chunk = analysis.chunkFrames();
    const int64_t frames = int64_t(samples.size()) / channels;
    std::vector<float> buffer(size_t((history + chunk + LoudnessAnalysis::kTailFrames) * channels));
    for (int64_t at = 0; at < frames; at += chunk) {
        const int64_t count = std::min(chunk, frames - at);
        std::fill(buffer.begin() + history * channels, buffer.end(), 0.0f);
        std::copy_n(samples.begin() + at * channels, count * channels,
                    buffer.begin() + history * channels);
        analysis.add(buffer.data(), count);
        std::copy_n(buffer.begin() + count * channels, history * channels, buffer.begin());
    }
}

} // namespace

// Processors without AVX-512 run eight lanes where others run sixteen: both read the same.
TEST(LoudnessMeter, EightLanesReadAsTheWidestLanesDo) {
    std::mt19937 random(3);
    std::normal_distribution<float> noise(0, 0.2f);
    for (int channels : {1, 2, 3}) {
        std::vector<float> samples(size_t(44100 * 7.7) * size_t(channels));
        for (float& sample : samples)
            sample = noise(random);
        LoudnessAnalysis eight(44100, channels, true, 8), widest(44100, channels, true);
        analyse(eight, samples, channels);
        analyse(widest, samples, channels);
        EXPECT_NEAR(eight.integrated(), widest.integrated(), 0.001) << channels;
        EXPECT_NEAR(eight.peak(), widest.peak(), 1e-6) << channels;
        EXPECT_GT(eight.integrated(), -20.0) << channels;
    }
}

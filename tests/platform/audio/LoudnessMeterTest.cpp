#include "platform/audio/LoudnessMeter.h"
#include "tests/support/WavBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

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

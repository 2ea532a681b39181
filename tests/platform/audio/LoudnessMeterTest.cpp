#include "platform/audio/LoudnessMeter.h"
#include "tests/support/WavBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A stereo 16-bit 48 kHz sine of frequency at peak dBFS in both channels.
QByteArray stereoSine(double seconds, double frequency, double peakDb) {
    const int rate = 48000;
    const int frames = int(seconds * rate);
    const double amplitude = 32767.0 * std::pow(10.0, peakDb / 20);
    QByteArray samples;
    samples.reserve(frames * 4);
    for (int i = 0; i < frames; ++i) {
        const auto value =
            int16_t(std::lround(amplitude * std::sin(2 * M_PI * frequency * i / rate)));
        appendLe16(samples, uint16_t(value));
        appendLe16(samples, uint16_t(value));
    }
    QByteArray fmt;
    appendLe16(fmt, 1);
    appendLe16(fmt, 2);
    appendLe32(fmt, rate);
    appendLe32(fmt, rate * 4);
    appendLe16(fmt, 4);
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

} // namespace

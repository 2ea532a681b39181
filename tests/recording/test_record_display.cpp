#include "platform/audio/PeakLevel.h"
#include "recording/RecordDisplay.h"
#include "tests/support/QtPrinters.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace {

// A 440 Hz tone of the given amplitude (0..1) as 16-bit samples at 44.1 kHz.
std::vector<int16_t> tone(double amplitude, int count = 4410) {
    std::vector<int16_t> samples(count);
    for (int i = 0; i < count; ++i)
        samples[i] = int16_t(std::lround(amplitude * 32767.0 *
                                         std::sin(2.0 * std::numbers::pi * 440.0 * i / 44100.0)));
    return samples;
}

float peakOf(const std::vector<int16_t>& samples) {
    return float(peakSample(samples.data(), samples.size())) / kFullScaleSample;
}

TEST(LevelMeter, AKnownToneReadsOnThePrintedScale) {
    EXPECT_NEAR(peakOf(tone(0.5)), 0.5, 0.001);
    EXPECT_NEAR(peakToVu(peakOf(tone(0.5))), -3.0, 0.05) << "6 dB under full scale";
    EXPECT_NEAR(vuToNeedleAngle(peakToVu(peakOf(tone(0.5)))), 23.9, 0.2) << "the -3 mark";
    EXPECT_NEAR(vuToNeedleAngle(peakToVu(peakOf(tone(1.0)))), 50.0, 0.01) << "the stop";
    EXPECT_NEAR(vuToNeedleAngle(peakToVu(peakOf(tone(std::pow(10.0, -13.0 / 20.0))))), -6.5, 0.3)
        << "13 dB under full scale: the -10 mark";
    EXPECT_EQ(peakToVu(peakOf(tone(0.0))), LevelMeter::kLowestVu) << "silence rests left";
    const std::vector<int16_t> negativeEnd{0, -32768, 100};
    EXPECT_EQ(peakOf(negativeEnd), 1.0f);
}

TEST(LevelMeter, RisesAtOnceAndFallsBackSlowly) {
    LevelMeter meter;
    EXPECT_EQ(meter.needleAngle(), -50.0);
    meter.update(1.0f, 50);
    EXPECT_EQ(meter.vu(), 3.0);
    meter.update(0.0f, 500); // half a second of silence: 10 VU down
    EXPECT_NEAR(meter.vu(), -7.0, 1e-9);
    EXPECT_NEAR(meter.needleAngle(), 6.5, 1e-9);
    meter.update(0.0f, 5000);
    EXPECT_EQ(meter.vu(), LevelMeter::kLowestVu);
}

TEST(LevelMeter, ElapsedTimeReadsMinutesAndSeconds) {
    EXPECT_EQ(elapsedText(0), QStringLiteral("0:00"));
    EXPECT_EQ(elapsedText(7999), QStringLiteral("0:07"));
    EXPECT_EQ(elapsedText(750'000), QStringLiteral("12:30"));
}

} // namespace

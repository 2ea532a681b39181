// Even loudness heard at the test sink: each tone played at the gain its measurement gives.
#include "SoundServerTest.h"

#include "core/PlayGain.h"
#include "platform/audio/LoudnessMeter.h"

#include <cmath>

namespace {

class EvenLoudnessTest : public SoundServerTest {
protected:
    static float evenGain(const QString& path) {
        const auto facts = measureLoudness(path);
        EXPECT_TRUE(facts.has_value());
        const auto decibels =
            facts ? evenLoudnessGainDb(facts->integrated, facts->truePeak) : std::nullopt;
        EXPECT_TRUE(decibels.has_value());
        return decibels ? factorOfDb(*decibels) : 1.0f;
    }

    // The RMS of the middle of the first sound heard after mark.
    static double levelAfter(const MonoSound& sound, double mark) {
        const auto span = soundingSpan(sound, 0.01, int64_t(mark * sound.sampleRate));
        if (!span)
            return 0;
        const double begin = double(span->begin) / sound.sampleRate;
        return rms(sound.between(begin + 0.2, begin + 0.8));
    }
};

TEST_F(EvenLoudnessTest, AQuietAndALoudToneComeOutAtTheSameLevel) {
    const int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const QString quiet = tone("quiet.wav", {44100, 1, format, 1.0, 440, 0.05});
    const QString loud = tone("loud.wav", {44100, 2, format, 1.0, 440, 0.8});
    IPlaybackDevice& device = m_audio.playbackDevice();
    double marks[2] = {};
    for (int play = 0; play < 2; ++play) {
        const QString& path = play == 0 ? quiet : loud;
        ASSERT_TRUE(device.open(path).has_value());
        marks[play] = m_tap.mark();
        ASSERT_TRUE(device.play(0, evenGain(path)).has_value());
        wait(1.4);
    }
    const MonoSound sound = heard();
    const double quietLevel = levelAfter(sound, marks[0]);
    const double loudLevel = levelAfter(sound, marks[1]);
    ASSERT_GT(quietLevel, 0.02);
    ASSERT_GT(loudLevel, 0.02);
    // As recorded they are 24 dB apart.
    EXPECT_NEAR(20 * std::log10(quietLevel / loudLevel), 0, 0.5);
}

} // namespace

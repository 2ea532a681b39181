// The engine's playback heard on the test sound server's sink.
#include "SoundServerTest.h"

#include "platform/audio/OutputMixer.h"

#include <QTimer>
#include <gmock/gmock.h>

using ::testing::AllOf;
using ::testing::Ge;
using ::testing::Gt;
using ::testing::Le;
using ::testing::Lt;

namespace {

struct Flavour {
    const char* id;
    const char* name;
    int sampleRate;
    int channels;
    int format;
};

void PrintTo(const Flavour& flavour, std::ostream* out) {
    *out << flavour.name;
}

constexpr int kWav = SF_FORMAT_WAV;
const Flavour kFlavours[] = {
    {"Rate22050Unsigned8Mono", "22050 Hz 8-bit mono", 22050, 1, kWav | SF_FORMAT_PCM_U8},
    {"Rate48000Pcm24Stereo", "48000 Hz 24-bit stereo", 48000, 2, kWav | SF_FORMAT_PCM_24},
    {"Rate8000MuLawMono", "8000 Hz u-law mono", 8000, 1, kWav | SF_FORMAT_ULAW},
    {"Rate11025ImaAdpcmMono", "11025 Hz IMA ADPCM mono", 11025, 1, kWav | SF_FORMAT_IMA_ADPCM},
    {"Rate44100MsAdpcmStereo", "44100 Hz MS ADPCM stereo", 44100, 2, kWav | SF_FORMAT_MS_ADPCM},
    {"Rate96000FloatStereo", "96000 Hz float stereo", 96000, 2, kWav | SF_FORMAT_FLOAT},
    {"Rate16000Pcm32Mono", "16000 Hz 32-bit mono", 16000, 1, kWav | SF_FORMAT_PCM_32},
};

class PlaybackFlavourTest : public SoundServerTest,
                            public ::testing::WithParamInterface<Flavour> {};

class PlaybackTest : public SoundServerTest {};

// The first sounding stretch at or after the mark, in seconds on the recording's timeline.
struct Heard {
    double begin = 0;
    double seconds = 0;
};

// Share of the 20 ms windows between from and to in which the sink was quiet. A loop that
// stops or leaves gaps where it starts over gives many; a busy machine a few.
double quietStretches(const MonoSound& sound, double from, double to) {
    int quiet = 0;
    int windows = 0;
    for (double t = from; t + 0.02 <= to; t += 0.02, ++windows)
        quiet += rms(sound.between(t, t + 0.02)) < 0.3 ? 1 : 0;
    return windows > 0 ? static_cast<double>(quiet) / windows : 1.0;
}

Heard firstSound(const MonoSound& sound, double mark) {
    const auto span = soundingSpan(sound, 0.05, static_cast<int64_t>(mark * sound.sampleRate));
    if (!span)
        return {};
    return {static_cast<double>(span->begin) / sound.sampleRate,
            static_cast<double>(span->end - span->begin) / sound.sampleRate};
}

} // namespace

TEST_P(PlaybackFlavourTest, PlaysAOneSecondToneAtItsPitchAndLength) {
    const Flavour& flavour = GetParam();
    const QString path =
        tone("tone.wav", {flavour.sampleRate, flavour.channels, flavour.format, 1.0, 440, 0.5});
    IPlaybackDevice& device = m_audio.playbackDevice();
    ASSERT_TRUE(device.open(path).has_value());
    const double start = m_tap.mark();
    ASSERT_TRUE(device.play(0).has_value());
    wait(1.5);
    const MonoSound sound = heard();
    const Heard tone = firstSound(sound, start);
    // A busy machine can delay part of the sound (the server fills in silence), never shorten it.
    EXPECT_GE(tone.seconds, 0.95);
    EXPECT_LE(tone.seconds, 1.2);
    const auto middle = sound.between(tone.begin + 0.2, tone.begin + 0.8);
    EXPECT_NEAR(dominantFrequency(middle, sound.sampleRate, 300, 600), 440, 3);
    EXPECT_THAT(toneAmplitude(middle, sound.sampleRate, 440), AllOf(Gt(0.3), Lt(0.6)));
}

INSTANTIATE_TEST_SUITE_P(EveryWavFlavour, PlaybackFlavourTest, ::testing::ValuesIn(kFlavours),
                         [](const auto& info) { return std::string(info.param.id); });

TEST_F(PlaybackTest, StopSilencesTheSinkAtOnceAndTheNextPlayStartsFromTheBeginning) {
    IPlaybackDevice& device = m_audio.playbackDevice();
    ASSERT_TRUE(device.open(tone("tone.wav", {44100, 2, kWav | SF_FORMAT_PCM_16})).has_value());
    ASSERT_TRUE(device.play(0).has_value());
    wait(0.4);
    const double stopped = m_tap.mark();
    device.stop();
    wait(0.4);
    const double replayed = m_tap.mark();
    ASSERT_TRUE(device.play(0).has_value());
    wait(1.3);
    const MonoSound sound = heard();
    EXPECT_LT(rms(sound.between(stopped + kStopWithin, replayed)), kSilence);
    EXPECT_THAT(firstSound(sound, replayed).seconds, AllOf(Ge(0.95), Le(1.2)));
}

TEST_F(PlaybackTest, APlayFromAFrameWithinTheSoundStartsThereAndOneFromItsEndPlaysNothing) {
    // One second at 440 Hz, then one at 880 Hz; the play starts a quarter into the second.
    const QString path =
        tone("halves.wav", {22050, 1, kWav | SF_FORMAT_PCM_16, 2.0, 440, 0.5, 880});
    IPlaybackDevice& device = m_audio.playbackDevice();
    ASSERT_TRUE(device.open(path).has_value());
    const double start = m_tap.mark();
    ASSERT_TRUE(device.play(22050 + 22050 / 4).has_value());
    wait(1.2);
    const double fromEnd = m_tap.mark();
    ASSERT_TRUE(device.play(44100).has_value());
    wait(0.5);
    const MonoSound sound = heard();
    const Heard rest = firstSound(sound, start);
    EXPECT_THAT(rest.seconds, AllOf(Ge(0.7), Le(0.95)));
    EXPECT_NEAR(
        dominantFrequency(sound.between(rest.begin, rest.begin + 0.5), sound.sampleRate, 300, 1000),
        880, 5);
    EXPECT_LT(rms(sound.between(fromEnd, fromEnd + 0.5)), kSilence);
}

TEST_F(PlaybackTest, LoopSoundsWithoutGapsUntilSilencedThenTheSinkFallsSilent) {
    // 110 whole periods, so the loop joins without a step.
    const QString loop = tone("loop.wav", {44100, 1, kWav | SF_FORMAT_PCM_16, 0.25, 440, 0.5});
    ISoundPlayer& player = m_audio.soundPlayer();
    const double start = m_tap.mark();
    ASSERT_TRUE(player.playLoop(loop));
    wait(3.0);
    const double silenced = m_tap.mark();
    player.silence();
    wait(0.5);
    const MonoSound sound = heard();
    EXPECT_LE(quietStretches(sound, start + 0.15, silenced), 0.05);
    EXPECT_LT(rms(sound.between(silenced + kStopWithin, silenced + 0.5)), kSilence);
}

TEST_F(PlaybackTest, LoopAndSinglePlaySoundTogether) {
    const QString loop = tone("loop.wav", {44100, 1, kWav | SF_FORMAT_PCM_16, 0.25, 440, 0.3});
    const QString single = tone("single.wav", {22050, 1, kWav | SF_FORMAT_PCM_16, 1.0, 660, 0.3});
    ISoundPlayer& player = m_audio.soundPlayer();
    IPlaybackDevice& device = m_audio.playbackDevice();
    ASSERT_TRUE(player.playLoop(loop));
    wait(0.3);
    const double both = m_tap.mark();
    ASSERT_TRUE(device.open(single).has_value());
    ASSERT_TRUE(device.play(0).has_value());
    wait(1.0);
    player.silence();
    const MonoSound sound = heard();
    const auto window = sound.between(both + 0.3, both + 0.8);
    EXPECT_THAT(toneAmplitude(window, sound.sampleRate, 440), AllOf(Gt(0.15), Lt(0.36)));
    EXPECT_THAT(toneAmplitude(window, sound.sampleRate, 660), AllOf(Gt(0.15), Lt(0.36)));
}

TEST_F(PlaybackTest, ASecondLoopReplacesTheFirst) {
    ISoundPlayer& player = m_audio.soundPlayer();
    ASSERT_TRUE(player.playLoop(tone("a.wav", {44100, 1, kWav | SF_FORMAT_PCM_16, 0.25, 440})));
    wait(0.3);
    const double replaced = m_tap.mark();
    ASSERT_TRUE(player.playLoop(tone("b.wav", {44100, 1, kWav | SF_FORMAT_PCM_16, 0.25, 660})));
    wait(0.6);
    player.silence();
    const MonoSound sound = heard();
    const auto window = sound.between(replaced + 0.15, replaced + 0.55);
    EXPECT_LT(toneAmplitude(window, sound.sampleRate, 440), 0.01);
    EXPECT_THAT(toneAmplitude(window, sound.sampleRate, 660), AllOf(Gt(0.3), Lt(0.6)));
}

TEST_F(PlaybackTest, SynchronousPlayReturnsWhenTheSoundHasEnded) {
    const QString path = tone("sync.wav", {32000, 1, kWav | SF_FORMAT_PCM_16, 0.5, 440});
    const double start = m_tap.mark();
    const auto begun = std::chrono::steady_clock::now();
    ASSERT_TRUE(m_audio.soundPlayer().playSync(path));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begun;
    const double returned = m_tap.mark();
    wait(0.4);
    const MonoSound sound = heard();
    EXPECT_GE(took.count(), 0.5);
    EXPECT_THAT(firstSound(sound, start).seconds, AllOf(Ge(0.48), Le(0.7))) << "end cut off?";
    EXPECT_LT(rms(sound.between(returned + kStopWithin, returned + 0.4)), kSilence);
    EXPECT_FALSE(m_audio.soundPlayer().playSync(m_dir.filePath("missing.wav")));
}

// The wait runs the caller's events, so a handler (Escape in the window) can end a long play.
TEST_F(PlaybackTest, ASynchronousPlayStopsAtStopSyncFromAHandlerItRuns) {
    const QString path = tone("long.wav", {32000, 1, kWav | SF_FORMAT_PCM_16, 20.0, 440});
    bool stoppedWhilePlaying = false;
    bool returned = false;
    QTimer::singleShot(500, [&] {
        stoppedWhilePlaying = !returned;
        m_audio.soundPlayer().stopSync();
    });
    ASSERT_TRUE(m_audio.soundPlayer().playSync(path));
    returned = true;
    const double end = m_tap.mark();
    wait(0.4);
    const MonoSound sound = heard();
    EXPECT_TRUE(stoppedWhilePlaying) << "the play ran to its end";
    EXPECT_LT(rms(sound.between(end + kStopWithin, end + 0.4)), kSilence);
}

// The stream stops by itself once the last sound has ended, and does so again after each play.
TEST_F(PlaybackTest, TheOutputStopsByItselfAfterEachSoundEnds) {
    const QString path = tone("short.wav", {44100, 1, kWav | SF_FORMAT_PCM_16, 0.2, 440});
    PortAudioHost host;
    OutputMixer mixer(host);
    const auto stoppedWithin = [&mixer](std::chrono::seconds limit) {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (mixer.isRunning() && std::chrono::steady_clock::now() < until)
            wait(0.05);
        return !mixer.isRunning();
    };
    for (int play = 0; play < 2; ++play) {
        ASSERT_TRUE(mixer.play(VoiceSlot::Device, path, false).has_value());
        EXPECT_TRUE(mixer.isRunning());
        EXPECT_TRUE(stoppedWithin(std::chrono::seconds(20))) << "play " << play;
    }
    ASSERT_TRUE(mixer.play(VoiceSlot::Loop, path, true).has_value());
    wait(1.0);
    EXPECT_TRUE(mixer.isRunning()) << "a loop never ends";
}

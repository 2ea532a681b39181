#include "core/CWavePlayer.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeUi.h"
#include "tests/support/TempProgramDir.h"
#include "tests/support/WavBytes.h"

#include <gtest/gtest.h>

namespace {

class WavePlayer : public ::testing::Test {
protected:
    TempProgramDir dir;
    FakeUi ui;
    FakePlaybackDevice device;
    FakeSoundPlayer sounds;
    CWavePlayer player{device, sounds, ui};
    QString a = dir.library() + "/a.wav";
    QString b = dir.library() + "/b.wav";

    void SetUp() override {
        dir.writeFile(a, makeWav({}));
        dir.writeFile(b, makeWav({}));
    }
};

TEST_F(WavePlayer, StartsStoppedWithEmptyTextsAndAStateThatOnlyCommandsChange) {
    EXPECT_EQ(player.GetState(), CWavePlayer::Stopped);
    EXPECT_EQ(int(CWavePlayer::Stopped), 33);
    EXPECT_EQ(int(CWavePlayer::Playing), 22);
    EXPECT_TRUE(player.waveInfo().channelsText.isEmpty());
    EXPECT_EQ(player.waveInfo().avgBytesPerSecond, 0u);

    ASSERT_TRUE(player.Open(a));
    player.Play();
    EXPECT_EQ(player.GetState(), CWavePlayer::Playing);
    device.playing.clear(); // the sound ended by itself: nothing tells the player
    EXPECT_EQ(player.GetState(), CWavePlayer::Playing);
    player.Play();
    EXPECT_EQ(device.played.size(), 1) << "Play while playing does nothing";
    ASSERT_TRUE(player.Open(b));
    EXPECT_EQ(player.GetState(), CWavePlayer::Stopped) << "Open returns to stopped";
    player.Play(1234);
    EXPECT_EQ(device.playing, b);
    EXPECT_EQ(device.playedFrom, 1234);
}

TEST_F(WavePlayer, AFailedOpenShowsTheDeviceTextOnceAndKeepsTheState) {
    ASSERT_TRUE(player.Open(a));
    player.Play();
    ui.answer(MsgResult::Ok);
    EXPECT_FALSE(player.Open(dir.library() + "/gone.wav"));
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("The specified file was not found."));
    EXPECT_EQ(ui.calls()[0].caption, ui.appTitle());
    EXPECT_EQ(player.GetState(), CWavePlayer::Playing);
    EXPECT_TRUE(device.playing.isEmpty()) << "the old file was closed before the open";
}

TEST_F(WavePlayer, LoopsStartOnlyWhenStoppedAndStopEndsThem) {
    player.PlayLoop(a);
    EXPECT_EQ(sounds.looping, a);
    EXPECT_TRUE(player.isLooping());
    player.PlayLoop(b);
    EXPECT_EQ(sounds.looping, a) << "a loop starts only from stopped";
    player.Stop();
    EXPECT_TRUE(sounds.looping.isEmpty());
    EXPECT_EQ(player.GetState(), CWavePlayer::Stopped);
    player.PlayLoop(b);
    EXPECT_EQ(sounds.looping, b);
}

TEST_F(WavePlayer, StopLeavesTheFileOpenAndCloseKeepsTheState) {
    ASSERT_TRUE(player.Open(a));
    player.Play();
    player.Stop();
    EXPECT_EQ(device.openPath, a);
    EXPECT_TRUE(device.playing.isEmpty());
    player.Play();
    player.Close();
    EXPECT_TRUE(device.openPath.isEmpty());
    EXPECT_EQ(player.GetState(), CWavePlayer::Playing);
}

} // namespace

namespace {

// A device that opens anything but cannot decode it when asked to play.
class UndecodableDevice final : public IPlaybackDevice {
public:
    AudioResult open(const QString&) override { return {}; }
    AudioResult play(qint64, float) override {
        return std::unexpected(QStringLiteral("damaged sound"));
    }
    void stop() override {}
    void close() override {}
};

TEST(WavePlayerPlay, ASoundThatOpenedButCannotBeDecodedIsReportedOnceAtPlay) {
    FakeUi ui;
    UndecodableDevice device;
    FakeSoundPlayer sounds;
    CWavePlayer player(device, sounds, ui);
    ASSERT_TRUE(player.Open("x.wav"));
    ui.answer(MsgResult::Ok);
    player.Play();
    player.Stop();
    player.Play(); // the same open file: already reported
    EXPECT_EQ(ui.messageTexts(), QStringList{"damaged sound"});
}

} // namespace

namespace {

// A gain per file, as the even loudness gives it.
class GainByFile final : public IPlayGain {
public:
    float gainFor(const QString& path) override {
        asked << path;
        return path.endsWith("a.wav") ? 0.5f : 2.0f;
    }
    QStringList asked;
};

TEST_F(WavePlayer, EveryPlayTakesTheGainOfItsSoundAndALoopedPartThatOfTheWholeSound) {
    GainByFile gain;
    player.setPlayGain(&gain);
    ASSERT_TRUE(player.Open(a));
    player.Play(1000);
    EXPECT_EQ(device.playedGain, 0.5f);
    player.Stop();
    player.PlayLoop("/tmp/region.wav", b);
    EXPECT_EQ(sounds.loopGain, 2.0f) << "a region loops at its sound's gain";
    player.Stop();
    player.setPlayGain(nullptr);
    player.Play();
    EXPECT_EQ(device.playedGain, 1.0f);
}

TEST(EvenLoudnessGain, BringsSoundsToMinus23LufsWithoutPassingMinus1Dbtp) {
    EXPECT_DOUBLE_EQ(*evenLoudnessGainDb(-35, -20), 12) << "a quiet sound is raised";
    EXPECT_DOUBLE_EQ(*evenLoudnessGainDb(-10, -0.5), -13) << "a loud one lowered";
    EXPECT_DOUBLE_EQ(*evenLoudnessGainDb(-40, -6), 5) << "raised only until its peak is -1";
    EXPECT_DOUBLE_EQ(*evenLoudnessGainDb(-23, -1), 0);
    EXPECT_FALSE(evenLoudnessGainDb(-INFINITY, -INFINITY)) << "silence stays as it is";
    EXPECT_FALSE(evenLoudnessGainDb(-INFINITY, -3)) << "too short for a loudness";
    EXPECT_FLOAT_EQ(factorOfDb(-6.0206), 0.5f);
}

} // namespace

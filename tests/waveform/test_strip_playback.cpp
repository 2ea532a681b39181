#include "core/CWavePlayer.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "platform/audio/SoundSlice.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeUi.h"
#include "tests/support/QtPrinters.h"
#include "waveform/StripPlayback.h"
#include "waveform/WaveStrip.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class StripPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        sound = dir.filePath(QStringLiteral("Bell.wav"));
        QFile file(sound);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        SoundPeaks peaks;
        peaks.sampleRate = 1000;
        peaks.frames = 10 * SoundPeaks::kFramesPerPeak; // 2.56 seconds
        peaks.values.assign(20, 0);
        strip.resize(100, 40);
        strip.setPeaks(std::make_shared<const SoundPeaks>(peaks));
    }

    QTemporaryDir dir;
    QString sound;
    FakePlaybackDevice device;
    FakeSoundPlayer sounds;
    FakeUi ui;
    CWavePlayer player{device, sounds, ui};
    CommandTable commands;
    WaveStrip strip;
    int wholePlays = 0;
    int wholeStops = 0;
    int wholeLoops = 0;
    // Writes the slice's frame numbers instead of a sound.
    struct : ISoundCutter {
        std::expected<void, QString> writeSlice(const QString&, qint64 start, qint64 end,
                                                const QString& destination) override {
            QFile file(destination);
            if (!file.open(QIODevice::WriteOnly))
                return std::unexpected(QStringLiteral("cannot write"));
            file.write(QByteArray::number(start) + ' ' + QByteArray::number(end));
            return {};
        }
    } cutter;
    StripPlayback playback{
        commands,
        strip,
        player,
        ui,
        &cutter,
        StripPlayback::WholeSound{[this] { return sound; }, [this] { ++wholePlays; },
                                  [this] { ++wholeLoops; }, [this] { ++wholeStops; }}};
};

TEST_F(StripPlaybackTest, AClickPlaysTheSelectedSoundFromThatPointWithAMovingCursor) {
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_EQ(device.playing, sound);
    EXPECT_EQ(device.playedFrom, 1280);
    EXPECT_TRUE(strip.isShowingPlay());
    QTest::qWait(60);
    EXPECT_GT(strip.cursorFrame(), 1280);
    commands.run(cmd::Stop);
    EXPECT_EQ(wholeStops, 1);
    EXPECT_FALSE(strip.isShowingPlay());
}

TEST_F(StripPlaybackTest, ASoundThatCannotBeOpenedShowsNoMovingCursor) {
    QFile::remove(sound);
    ui.answer(MsgResult::Ok);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_FALSE(strip.isShowingPlay());
    EXPECT_EQ(ui.messageTexts().size(), 1);
}

TEST_F(StripPlaybackTest, PlayPlaysTheRegionAndStopsAtItsEndOrTheWholeSoundWithout) {
    commands.run(cmd::Play);
    EXPECT_EQ(wholePlays, 1);
    QTest::mousePress(&strip, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseMove(&strip, QPoint(14, 20));
    QTest::mouseRelease(&strip, Qt::LeftButton, {}, QPoint(14, 20)); // 256 .. 358: 102 ms
    commands.run(cmd::Play);
    EXPECT_EQ(wholePlays, 1);
    EXPECT_EQ(device.playedFrom, 256);
    EXPECT_EQ(device.playing, sound);
    QTRY_VERIFY_WITH_TIMEOUT(device.playing.isEmpty(), 2000);
    EXPECT_FALSE(strip.isShowingPlay());
}

} // namespace

namespace {

TEST_F(StripPlaybackTest, LoopLoopsTheRegionCutIntoAFileOfItsOwn) {
    commands.run(cmd::PlayLoop);
    EXPECT_EQ(wholeLoops, 1);
    commands.run(cmd::Stop);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(&strip, Qt::LeftButton, Qt::ShiftModifier, QPoint(40, 20));
    commands.run(cmd::PlayLoop);
    EXPECT_EQ(wholeLoops, 1);
    ASSERT_TRUE(sounds.looping.endsWith(QStringLiteral(".wav")));
    QFile looped(sounds.looping);
    ASSERT_TRUE(looped.open(QIODevice::ReadOnly));
    EXPECT_EQ(looped.readAll(), QByteArray("512 1024"));
}

} // namespace

#include "tests/support/QtPrinters.h"
#include "waveform/PeakColumns.h"
#include "waveform/WaveStrip.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One lane: block b holds -b .. b.
SoundPeaks ramp(qint64 blocks, int lanes = 1) {
    SoundPeaks peaks;
    peaks.lanes = lanes;
    peaks.sampleRate = 1000;
    peaks.frames = blocks * SoundPeaks::kFramesPerPeak;
    for (qint64 block = 0; block < blocks; ++block)
        for (int lane = 0; lane < lanes; ++lane) {
            peaks.values.push_back(int16_t(-block - lane));
            peaks.values.push_back(int16_t(block + lane));
        }
    return peaks;
}

TEST(PeakColumns, EachColumnCoversItsShareAndShortSoundsAreStretched) {
    const auto wide = columnsOf(ramp(100, 2), 10);
    ASSERT_EQ(wide.size(), 10u);
    EXPECT_EQ(wide[0].low[0], -9);
    EXPECT_EQ(wide[0].high[0], 9);
    EXPECT_EQ(wide[9].high[0], 99);
    EXPECT_EQ(wide[9].high[1], 100);
    const auto narrow = columnsOf(ramp(3), 9);
    ASSERT_EQ(narrow.size(), 9u);
    EXPECT_EQ(narrow[0].high[0], 0);
    EXPECT_EQ(narrow[4].high[0], 1);
    EXPECT_EQ(narrow[8].high[0], 2);
    EXPECT_TRUE(columnsOf(ramp(0), 50).empty());
}

class Strip : public ::testing::Test {
protected:
    void SetUp() override {
        strip.resize(200, 40);
        strip.setPeaks(std::make_shared<const SoundPeaks>(ramp(100))); // 25,600 frames
        strip.show();
    }
    WaveStrip strip;
    QSignalSpy plays{&strip, &WaveStrip::playFromRequested};
};

TEST_F(Strip, AClickAsksToPlayFromThatPointAndSaysWhereItIs) {
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(100, 20));
    ASSERT_EQ(plays.size(), 1);
    EXPECT_EQ(plays.at(0).at(0).toLongLong(), 12800);
    EXPECT_EQ(strip.accessibleName(), QStringLiteral("Waveform"));
    EXPECT_EQ(strip.accessibleDescription(), QStringLiteral("Play point 12.80 of 25.60 seconds"));
}

TEST_F(Strip, DragPicksARegionShiftClickStretchesItEscapeDropsIt) {
    QTest::mousePress(&strip, Qt::LeftButton, {}, QPoint(50, 20));
    QTest::mouseMove(&strip, QPoint(100, 20));
    QTest::mouseRelease(&strip, Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_TRUE(plays.isEmpty());
    EXPECT_EQ(strip.state().region(), (FrameRange{6400, 12800}));
    QTest::mouseClick(&strip, Qt::LeftButton, Qt::ShiftModifier, QPoint(150, 20));
    EXPECT_EQ(strip.state().region(), (FrameRange{6400, 19200}));
    QTest::mouseClick(&strip, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 20));
    EXPECT_EQ(strip.state().region(), (FrameRange{2560, 19200}));
    EXPECT_EQ(strip.accessibleDescription(),
              QStringLiteral("Play point 2.56 of 25.60 seconds, region 2.56 to 19.20 seconds"));
    QSignalSpy saves(&strip, &WaveStrip::saveRegionRequested);
    QTest::keyClick(&strip, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saves.size(), 1);
    QTest::keyClick(&strip, Qt::Key_Escape);
    EXPECT_FALSE(strip.state().region());
    QTest::keyClick(&strip, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saves.size(), 1);
}

TEST_F(Strip, ADragFromInsideTheRegionDragsItOutAndAClickThereStillPlays) {
    QSignalSpy dragsOut(&strip, &WaveStrip::regionDragStarted);
    const auto pickRegion = [this] {
        QTest::mousePress(&strip, Qt::LeftButton, {}, QPoint(50, 20));
        QTest::mouseMove(&strip, QPoint(100, 20));
        QTest::mouseRelease(&strip, Qt::LeftButton, {}, QPoint(100, 20));
    };
    const auto dragFrom = [this](QPoint from, QPoint to) {
        QTest::mousePress(&strip, Qt::LeftButton, {}, from);
        QTest::mouseMove(&strip, to);
        QTest::mouseRelease(&strip, Qt::LeftButton, {}, to);
    };
    pickRegion();
    dragFrom({75, 20}, {90, 20}); // not allowed: a new region is picked instead
    EXPECT_TRUE(dragsOut.isEmpty());
    EXPECT_EQ(strip.state().region(), (FrameRange{9600, 11520}));

    strip.allowRegionDrag(true);
    pickRegion();
    dragFrom({75, 20}, {75, 39});
    EXPECT_EQ(dragsOut.size(), 1);
    EXPECT_EQ(strip.state().region(), (FrameRange{6400, 12800}));
    dragFrom({150, 20}, {190, 20}); // outside it a drag picks a region as before
    EXPECT_EQ(strip.state().region(), (FrameRange{19200, 24320}));
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(160, 20));
    EXPECT_EQ(dragsOut.size(), 1);
    EXPECT_FALSE(strip.state().region());
    ASSERT_EQ(plays.size(), 1);
    EXPECT_EQ(plays.at(0).at(0).toLongLong(), 20480);
}

TEST_F(Strip, ArrowKeysMoveThePlayPointInsideTheSound) {
    QTest::keyClick(&strip, Qt::Key_Left);
    EXPECT_EQ(strip.state().playPoint(), 0);
    QTest::keyClick(&strip, Qt::Key_Right);
    QTest::keyClick(&strip, Qt::Key_Right);
    EXPECT_EQ(strip.state().playPoint(), 512);
    for (int i = 0; i < 120; ++i)
        QTest::keyClick(&strip, Qt::Key_Right);
    EXPECT_EQ(strip.state().playPoint(), 25600);
}

TEST_F(Strip, EmptyAndTinySoundsDrawWithoutTrouble) {
    QImage image(strip.size(), QImage::Format_ARGB32);
    strip.clear();
    strip.render(&image);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_TRUE(plays.isEmpty());
    SoundPeaks one = ramp(1);
    one.frames = 1;
    strip.setPeaks(std::make_shared<const SoundPeaks>(one));
    strip.render(&image);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(199, 20));
    EXPECT_EQ(plays.at(0).at(0).toLongLong(), 0);
}

} // namespace

#include "platform/audio/SoundSlice.h"
#include "tests/support/FakeUi.h"
#include "tests/support/QtPrinters.h"
#include "tests/waveform/PeakFiles.h"
#include "waveform/RegionDragFile.h"
#include "waveform/RegionSaver.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(RegionSaver, CutsTheRegionAndAsksForTheNewSoundsName) {
    QTemporaryDir dir;
    const QString sound = dir.filePath(QStringLiteral("Bell \"big\".wav"));
    std::vector<int16_t> samples(1000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(i);
    ASSERT_TRUE(writeSamples(sound, 1, samples));
    SndfileSoundCutter cutter;
    FakeUi ui;
    QString asked;
    QString source;
    RegionSaver saver(cutter, ui, [&](const QString& from, const QString& name) {
        source = from;
        asked = name;
    });
    saver.save(sound, {100, 300});
    EXPECT_EQ(asked, QStringLiteral("Bell \"big\" part"));
    ASSERT_TRUE(source.endsWith(QStringLiteral(".wav")));
    QFile cut(source);
    ASSERT_TRUE(cut.open(QIODevice::ReadOnly));
    EXPECT_EQ(cut.size(), 44 + 200 * 2);

    asked.clear();
    ui.answer(MsgResult::Ok);
    saver.save(dir.filePath(QStringLiteral("gone.wav")), {0, 10});
    EXPECT_TRUE(asked.isEmpty());
    ASSERT_EQ(ui.messageTexts().size(), 1);
    EXPECT_TRUE(ui.messageTexts().first().contains(QStringLiteral("gone.wav")));
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(RegionDragFile, HoldsExactlyTheRegionUnderTheSoundsNameUntilReleased) {
    QTemporaryDir dir;
    const QString sound = dir.filePath(QStringLiteral("Bell.wav"));
    std::vector<int16_t> samples(2000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(i * 31 - 30000);
    ASSERT_TRUE(writeSamples(sound, 2, samples));
    SndfileSoundCutter cutter;
    RegionDragFile dragged(cutter);
    auto cut = dragged.cut(sound, {100, 700});
    ASSERT_TRUE(cut) << cut.error().toStdString();
    EXPECT_EQ(QFileInfo(*cut).fileName(), QStringLiteral("Bell (region).wav"));
    EXPECT_EQ(QFileInfo(QFileInfo(*cut).path()).permissions() & 0x0077, 0);
    const QByteArray source = bytesOf(sound);
    const QByteArray region = bytesOf(*cut);
    EXPECT_EQ(region.left(4), source.left(4));
    EXPECT_EQ(region.mid(20, 16), source.mid(20, 16)); // the same format
    EXPECT_EQ(region.mid(44), source.mid(44 + 100 * 4, 600 * 4));

    auto again = dragged.cut(sound, {0, 10}); // a second drag replaces the first file
    ASSERT_TRUE(again);
    EXPECT_EQ(bytesOf(*again).size(), 44 + 10 * 4);
    dragged.release();
    EXPECT_FALSE(QFile::exists(*again));

    auto refused = dragged.cut(dir.filePath(QStringLiteral("gone.wav")), {0, 10});
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().contains(QStringLiteral("gone.wav")));
}

} // namespace

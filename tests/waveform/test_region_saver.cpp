#include "platform/audio/SoundSlice.h"
#include "tests/support/FakeUi.h"
#include "tests/support/QtPrinters.h"
#include "tests/waveform/PeakFiles.h"
#include "waveform/RegionSaver.h"

#include <QFile>
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

} // namespace

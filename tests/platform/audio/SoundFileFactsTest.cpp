// The facts of the file types other than WAV, read through libsndfile. No sound server needed.
#include "AudioSignals.h"
#include "core/SoundFacts.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Kind {
    const char* name;
    int format;
    const char* formatText;
    int bits;
};

} // namespace

TEST(SoundFileFacts, EveryReadTypeGivesItsFormatChannelsRateBitsFramesAndPlayTime) {
    useSoundFileFacts(readSoundFileFacts);
    const Kind kinds[] = {
        {"a.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, "FLAC", 16},
        {"a.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, "OGG", 0},
        {"a.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, "MP3", 0},
        {"a.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_24, "AIFF", 24},
        {"a.au", SF_FORMAT_AU | SF_FORMAT_ULAW, "AU", 8},
        {"a.caf", SF_FORMAT_CAF | SF_FORMAT_FLOAT, "CAF", 32},
    };
    QTemporaryDir dir;
    for (const Kind& kind : kinds) {
        const QString path = dir.filePath(QString::fromUtf8(kind.name));
        ASSERT_TRUE(writeTone(path, {44100, 2, kind.format, 1.5}).has_value()) << kind.name;
        const auto facts = readSoundFacts(path);
        ASSERT_TRUE(facts) << kind.name << ": " << facts.error().toStdString();
        EXPECT_EQ(facts->formatText, QString::fromUtf8(kind.formatText));
        EXPECT_EQ(facts->channels, 2) << kind.name;
        EXPECT_EQ(facts->sampleRate, 44100) << kind.name;
        EXPECT_EQ(facts->bitsPerSample, kind.bits) << kind.name;
        EXPECT_NEAR(facts->playSeconds, 1.5, 0.06) << kind.name; // MP3 pads its frames
        EXPECT_NEAR(double(facts->frames), 1.5 * 44100, 0.06 * 44100) << kind.name;
        EXPECT_FALSE(facts->wave) << kind.name;
    }

    // A WAV file still goes through the program's own reader and its play-time rule.
    const QString wav = dir.filePath(QStringLiteral("a.wav"));
    ASSERT_TRUE(writeTone(wav, {22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1.0}).has_value());
    const auto facts = readSoundFacts(wav);
    ASSERT_TRUE(facts && facts->wave);
    EXPECT_DOUBLE_EQ(facts->playSeconds, double(QFile(wav).size()) / (22050 * 2));

    const QString damaged = dir.filePath(QStringLiteral("bad.flac"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("fLaC and then nothing a decoder could use");
    file.close();
    const auto refused = readSoundFacts(damaged);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().contains(damaged)) << refused.error().toStdString();
}

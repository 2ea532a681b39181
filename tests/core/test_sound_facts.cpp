#include "core/SoundFacts.h"
#include "platform/RiffChunks.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/WavBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SoundFacts_ : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SoundFacts_, AWavFileGivesItsFormatFramesAndTheWholeFilePlayTime) {
    WavSpec spec;
    spec.channels = 2;
    spec.bitsPerSample = 16;
    spec.dataBytes = 4 * 22050;
    spec.chunksBeforeFmt = makeChunk("LIST", QByteArray(700, 'i')); // past the first block
    const QByteArray bytes = makeWav(spec);
    const auto facts = readSoundFacts(write(QStringLiteral("two \"q\" $&;<ä.wav"), bytes));
    ASSERT_TRUE(facts) << facts.error().toStdString();
    EXPECT_EQ(facts->formatText, QStringLiteral("PCM"));
    EXPECT_EQ(facts->channels, 2);
    EXPECT_EQ(facts->sampleRate, 22050);
    EXPECT_EQ(facts->bitsPerSample, 16);
    EXPECT_EQ(facts->frames, 22050);
    EXPECT_DOUBLE_EQ(facts->playSeconds, double(bytes.size()) / (22050 * 4));
    ASSERT_TRUE(facts->wave);
    EXPECT_EQ(facts->wave->avgBytesPerSecond, 22050u * 4);
    EXPECT_EQ(facts->wave->channelsText, QStringLiteral("Stereo"));

    // A cut-off file counts the frames it holds; a compressed one takes its "fact" count.
    EXPECT_EQ(
        readSoundFacts(write(QStringLiteral("cut.wav"), bytes.left(bytes.size() - 400)))->frames,
        22050 - 100);
    WavSpec adpcm;
    adpcm.formatTag = 0x11;
    QByteArray count;
    appendLe32(count, 40000);
    adpcm.chunksBeforeFmt = makeChunk("fact", count);
    EXPECT_EQ(readSoundFacts(write(QStringLiteral("ima.wav"), makeWav(adpcm)))->frames, 40000);
}

TEST_F(SoundFacts_, BadFilesGiveATextNamingTheFile) {
    WavSpec overgrown;
    for (int i = 0; i <= RiffChunks::kMaxChunks; ++i)
        overgrown.chunksBeforeFmt += makeChunk("JUNK", {});
    const QString many = write(QStringLiteral("many.wav"), makeWav(overgrown));
    const auto tooMany = readSoundFacts(many);
    ASSERT_FALSE(tooMany);
    EXPECT_EQ(tooMany.error(), QStringLiteral("The sound file \"%1\" is damaged: it holds more "
                                              "than 4096 chunks before its sound.")
                                   .arg(many));
    WaveInfo info;
    EXPECT_FALSE(ReadWaveInfo(many, info)) << "the lists give up on it too";

    const QString noFmt = write(QStringLiteral("nofmt.wav"), QByteArray("RIFF\x04\0\0\0WAVE", 12));
    EXPECT_TRUE(readSoundFacts(noFmt).error().contains(QStringLiteral("damaged")));
    const QString missing = m_dir.filePath(QStringLiteral("gone.wav"));
    EXPECT_EQ(readSoundFacts(missing).error(),
              QStringLiteral("The sound file \"%1\" does not exist.").arg(missing));
    const QString text = write(QStringLiteral("words.wav"), "just words");
    EXPECT_EQ(readSoundFacts(text).error(),
              QStringLiteral("The file \"%1\" is not a sound file.").arg(text))
        << "no reader of other types was given";
}

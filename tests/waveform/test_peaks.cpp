#include "platform/PeakCache.h"
#include "platform/audio/PeakAccumulator.h"
#include "platform/audio/PeakReader.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/WavBytes.h"
#include "tests/waveform/PeakFiles.h"
#include "waveform/PeakLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace {

std::expected<SoundPeaks, PeakReadError> readPeaks(const QString& path) {
    SndfilePeakReader reader;
    return reader.read(path, std::stop_token());
}

QByteArray wav16(uint32_t dataBytes, uint32_t sampleRate = 22050) {
    WavSpec spec;
    spec.bitsPerSample = 16;
    spec.dataBytes = dataBytes;
    spec.sampleRate = sampleRate;
    return makeWav(spec);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class Peaks : public ::testing::TestWithParam<int> {
protected:
    QTemporaryDir dir;
};

// 1000 frames: three whole blocks and a short one; every block holds both halves of the square.
TEST_P(Peaks, SquareWaveGivesItsHeightPerBlockInEveryFormat) {
    const QString path = dir.filePath(QStringLiteral("square"));
    ASSERT_TRUE(writeSamples(path, 2, squareWave(1000, 64, 20000, -300), GetParam()));
    auto peaks = readPeaks(path);
    ASSERT_TRUE(peaks) << peaks.error().text.toStdString();
    EXPECT_EQ(peaks->lanes, 2);
    EXPECT_EQ(peaks->frames, 1000);
    EXPECT_EQ(peaks->sampleRate, 44100);
    ASSERT_EQ(peaks->blocks(), 4);
    for (qint64 block = 0; block < 4; ++block) {
        EXPECT_EQ(peaks->minAt(block, 0), -20000);
        EXPECT_EQ(peaks->maxAt(block, 0), 20000);
        EXPECT_EQ(peaks->minAt(block, 1), -300);
        EXPECT_EQ(peaks->maxAt(block, 1), -300);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, Peaks,
                         ::testing::Values(SF_FORMAT_WAV | SF_FORMAT_PCM_16,
                                           SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
                                           SF_FORMAT_AIFF | SF_FORMAT_PCM_16,
                                           SF_FORMAT_WAV | SF_FORMAT_FLOAT));

TEST(PeakAccumulator, PiecesOfAnySizeGiveWhatOneSampleAtATimeGives) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    std::uniform_int_distribution<int> pieceSize(1, 700);
    for (int channels : {1, 2, 3}) {
        std::vector<int16_t> samples(size_t(5000 * channels));
        for (int16_t& value : samples)
            value = int16_t(sample(random));
        PeakAccumulator pieces(channels, 8000);
        PeakAccumulator single(channels, 8000);
        for (qint64 frame = 0; frame < 5000;) {
            const qint64 count = std::min<qint64>(pieceSize(random), 5000 - frame);
            pieces.add(samples.data() + frame * channels, count);
            frame += count;
        }
        for (qint64 frame = 0; frame < 5000; ++frame)
            single.add(samples.data() + frame * channels, 1);
        const SoundPeaks expected = single.finish();
        EXPECT_EQ(pieces.finish().values, expected.values) << channels << " channels";
        EXPECT_EQ(expected.lanes, channels == 2 ? 2 : 1);
        EXPECT_EQ(expected.blocks(), 20);
    }
}

TEST(PeakReader, OddFilesGiveAnEmptyOrSmallOutlineOrAClearMessage) {
    QTemporaryDir dir;
    const QString oneSample = dir.filePath(QStringLiteral("one.wav"));
    ASSERT_TRUE(writeSamples(oneSample, 1, {1234}));
    auto one = readPeaks(oneSample);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->blocks(), 1);
    EXPECT_EQ(one->maxAt(0, 0), 1234);

    const QString wide = dir.filePath(QStringLiteral("wide.wav"));
    std::vector<int16_t> samples(32 * 300, 0);
    samples[31] = -5000; // the last channel of the first frame
    ASSERT_TRUE(writeSamples(wide, 32, samples));
    auto folded = readPeaks(wide);
    ASSERT_TRUE(folded);
    EXPECT_EQ(folded->lanes, 1);
    EXPECT_EQ(folded->minAt(0, 0), -5000);
    EXPECT_EQ(folded->minAt(1, 0), 0);

    const QString empty = dir.filePath(QStringLiteral("empty.wav"));
    writeBytes(empty, wav16(0));
    auto nothing = readPeaks(empty);
    ASSERT_TRUE(nothing);
    EXPECT_EQ(nothing->blocks(), 0);

    const QString lying = dir.filePath(QStringLiteral("lying.wav"));
    writeBytes(lying, wav16(100000).left(44 + 1000)); // says 50,000 frames, holds 500
    auto told = readPeaks(lying);
    ASSERT_TRUE(told);
    EXPECT_EQ(told->frames, 500);
    EXPECT_EQ(told->blocks(), 2);

    const QString cut = dir.filePath(QStringLiteral("cut.wav"));
    writeBytes(cut, wav16(100000).left(30));
    const QString zeroHz = dir.filePath(QStringLiteral("zero Hz.wav"));
    writeBytes(zeroHz, wav16(1000, 0));
    const QString missing = dir.filePath(QStringLiteral("gone.wav"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {cut, zeroHz, missing, pipe}) {
        auto refused = readPeaks(path);
        ASSERT_FALSE(refused) << path.toStdString();
        EXPECT_FALSE(refused.error().cancelled);
        EXPECT_TRUE(refused.error().text.contains(path)) << refused.error().text.toStdString();
    }
}

// 8 hours of 44.1 kHz mono: more bytes than a signed 32-bit size holds (a hole in the file,
// so it takes no disk). The peaks are all that is kept.
TEST(PeakReader, AnEightHourSoundIsReadWholeIntoPeaksOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eight hours.wav"));
    constexpr qint64 kFrames = 8LL * 3600 * 44100;
    QByteArray header = wav16(0, 44100);
    qToLittleEndian<quint32>(quint32(36 + 2 * kFrames), header.data() + 4);
    qToLittleEndian<quint32>(quint32(2 * kFrames), header.data() + 40);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header);
    ASSERT_TRUE(file.resize(44 + 2 * kFrames));
    file.close();
    auto peaks = readPeaks(path);
    ASSERT_TRUE(peaks);
    EXPECT_EQ(peaks->frames, kFrames);
    EXPECT_EQ(peaks->blocks(), kFrames / SoundPeaks::kFramesPerPeak);
    EXPECT_EQ(peaks->bytes(), kFrames / SoundPeaks::kFramesPerPeak * 4);
}

TEST(PeakReader, AStopRequestEndsTheRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.wav"));
    ASSERT_TRUE(writeSamples(path, 2, squareWave(100000, 100, 1000, 0)));
    std::stop_source stop;
    stop.request_stop();
    SndfilePeakReader reader;
    auto result = reader.read(path, stop.get_token());
    ASSERT_FALSE(result);
    EXPECT_TRUE(result.error().cancelled);
}

class CacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        sound = dir.filePath(QStringLiteral("it's a \"sound\"; $x & <y> é.wav"));
        ASSERT_TRUE(writeSamples(sound, 2, squareWave(3000, 64, 12000, 5)));
        peaks = *readPeaks(sound);
        stamp = *stampOf(sound);
    }
    QTemporaryDir dir;
    PeakCache cache{dir.filePath(QStringLiteral("cache/tembrel/peaks"))};
    QString sound;
    SoundPeaks peaks;
    FileStamp stamp;
};

TEST_F(CacheTest, KeepsPeaksOnlyForTheSameFileVersion) {
    EXPECT_FALSE(cache.load(sound, stamp));
    cache.store(sound, stamp, peaks);
    auto loaded = cache.load(sound, stamp);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->values, peaks.values);
    EXPECT_EQ(loaded->frames, 3000);
    EXPECT_FALSE(cache.load(sound, FileStamp{stamp.size + 2, stamp.modifiedNs}));
    EXPECT_FALSE(cache.load(sound, FileStamp{stamp.size, stamp.modifiedNs + 1}));
    EXPECT_FALSE(cache.load(dir.filePath(QStringLiteral("other.wav")), stamp));
}

TEST_F(CacheTest, ABrokenCacheFileIsNeverBelievedAndIsReplaced) {
    cache.store(sound, stamp, peaks);
    QFile file(cache.fileFor(sound));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();
    QByteArray flipped = good;
    flipped[flipped.size() - 3] = char(flipped[flipped.size() - 3] ^ 0x40);
    QByteArray badVersion = good;
    badVersion[11] = char(badVersion[11] + 1);
    for (const QByteArray& broken : {good.left(good.size() - 1), good + "x", flipped, badVersion,
                                     QByteArray("TBPEAKS"), QByteArray(), good.left(40)}) {
        writeBytes(cache.fileFor(sound), broken);
        EXPECT_FALSE(cache.load(sound, stamp)) << broken.size();
    }
    cache.store(sound, stamp, peaks);
    EXPECT_TRUE(cache.load(sound, stamp));
}

TEST_F(CacheTest, OverItsLimitDropsTheFilesUsedLongestAgo) {
    cache.store(QStringLiteral("x"), stamp, peaks); // names of one length: files of one size
    const qint64 oneFile = QFileInfo(cache.fileFor(QStringLiteral("x"))).size();
    QFile::remove(cache.fileFor(QStringLiteral("x")));
    PeakCache small(cache.folder(), 3 * oneFile);
    const QString names[] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    for (const QString& name : names) {
        small.store(name, stamp, peaks);
        QTest::qWait(20); // distinct modification times
    }
    ASSERT_TRUE(small.load(names[0], stamp)); // "a" is now the newest used
    QTest::qWait(20);
    small.store(QStringLiteral("d"), stamp, peaks);
    EXPECT_TRUE(small.load(names[0], stamp));
    EXPECT_FALSE(small.load(names[1], stamp));
    EXPECT_TRUE(small.load(QStringLiteral("d"), stamp));
}

// A reader that changes the file under it, as another program saving it would.
class TouchingReader final : public IPeakReader {
public:
    std::expected<SoundPeaks, PeakReadError> read(const QString& path,
                                                  std::stop_token stop) override {
        auto result = SndfilePeakReader().read(path, stop);
        QFile file(path);
        if (file.open(QIODevice::Append))
            file.write("xx");
        return result;
    }
};

TEST_F(CacheTest, LoaderAnswersFromTheCacheAtOnceAndReadsOnlyWhatIsNotThere) {
    SndfilePeakReader reader;
    PeakLoader loader(reader, cache);
    QSignalSpy ready(&loader, &PeakLoader::peaksReady);
    EXPECT_EQ(loader.request(sound), nullptr);
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_EQ(ready.takeFirst().at(0).toString(), sound);
    auto cached = loader.request(sound);
    ASSERT_NE(cached, nullptr);
    EXPECT_EQ(cached->values, peaks.values);

    const QString missing = dir.filePath(QStringLiteral("missing.wav"));
    QSignalSpy failed(&loader, &PeakLoader::peaksFailed);
    loader.request(missing);
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_TRUE(failed.takeFirst().at(1).toString().contains(missing));
}

TEST_F(CacheTest, OnlyTheLastSoundAskedForIsAnswered) {
    SndfilePeakReader reader;
    PeakLoader loader(reader, cache);
    QSignalSpy ready(&loader, &PeakLoader::peaksReady);
    const QString other = dir.filePath(QStringLiteral("other.wav"));
    ASSERT_TRUE(writeSamples(other, 1, std::vector<int16_t>(500, 7)));
    loader.request(sound);
    loader.request(other);
    loader.waitForIdle();
    QCoreApplication::processEvents();
    ASSERT_EQ(ready.size(), 1);
    EXPECT_EQ(ready.at(0).at(0).toString(), other);
}

TEST_F(CacheTest, AFileThatChangesWhileReadIsShownButNotRemembered) {
    TouchingReader reader;
    PeakLoader loader(reader, cache);
    QSignalSpy ready(&loader, &PeakLoader::peaksReady);
    loader.request(sound);
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_FALSE(QFile::exists(cache.fileFor(sound)));
}

} // namespace

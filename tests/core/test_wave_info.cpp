#include "core/WaveInfo.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/WavBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

WaveInfo marked() {
    WaveInfo info;
    info.formatTag = 99;
    info.channels = 7;
    info.channelsText = QStringLiteral("previous");
    return info;
}

void expectUntouched(const WaveInfo& info) {
    EXPECT_EQ(info.formatTag, 99u);
    EXPECT_EQ(info.channels, 7u);
    EXPECT_EQ(info.channelsText, QStringLiteral("previous"));
}

TEST(ReadWaveInfo, StandardPcmHeader) {
    WaveInfo info;
    ASSERT_TRUE(ReadWaveInfoFromBytes(makeWav({}), info));
    EXPECT_EQ(info.formatTag, 1u);
    EXPECT_EQ(info.channels, 1u);
    EXPECT_EQ(info.samplesPerSecond, 22050u);
    EXPECT_EQ(info.avgBytesPerSecond, 22050u);
    EXPECT_EQ(info.blockAlign, 1u);
    EXPECT_EQ(info.bitsPerSample, 8u);
    EXPECT_EQ(info.channelsText, QStringLiteral("Mono"));
    EXPECT_EQ(info.formatText, QStringLiteral("PCM"));
}

TEST(ReadWaveInfo, SkipsChunksBeforeFmtIncludingThePadByteOfOddSizes) {
    WavSpec spec;
    spec.channels = 2;
    spec.bitsPerSample = 16;
    spec.chunksBeforeFmt = makeChunk("LIST", QByteArray("INFOISFT\x05\0\0\0abcde", 17)) +
                           makeChunk("junk", QByteArray(3, 'j'));
    WaveInfo info;
    ASSERT_TRUE(ReadWaveInfoFromBytes(makeWav(spec), info));
    EXPECT_EQ(info.channels, 2u);
    EXPECT_EQ(info.channelsText, QStringLiteral("Stereo"));
    EXPECT_EQ(info.avgBytesPerSecond, 22050u * 4);
}

TEST(ReadWaveInfo, LongerFmtChunksAndOtherFormatTagsReadTheFirst16Bytes) {
    for (uint32_t size : {18u, 40u}) {
        WavSpec spec;
        spec.fmtSize = size;
        spec.formatTag = 2;
        spec.channels = 3;
        WaveInfo info;
        ASSERT_TRUE(ReadWaveInfoFromBytes(makeWav(spec), info)) << size;
        EXPECT_EQ(info.formatTag, 2u);
        EXPECT_EQ(info.formatText, QStringLiteral("PCM"));
        EXPECT_EQ(info.channelsText, QStringLiteral("Stereo")) << "three channels";
    }
}

TEST(ReadWaveInfo, FailuresLeaveTheRecordUntouched) {
    QByteArray noFmt("RIFF\x04\0\0\0WAVE", 12);
    QByteArray text("This is not a sound file at all, just some words.\n");
    QByteArray riffNotWave = makeWav({});
    riffNotWave.replace(8, 4, "AVI ");
    QByteArray shortFmt = makeWav({});
    shortFmt.truncate(12 + 8 + 10);
    for (const QByteArray& bytes : {noFmt, text, riffNotWave, shortFmt, QByteArray()}) {
        WaveInfo info = marked();
        EXPECT_FALSE(ReadWaveInfoFromBytes(bytes, info));
        expectUntouched(info);
    }
}

TEST(ReadWaveInfo, AFmtChunkHoldingFewerThan16BytesFailsRatherThanReadOnIntoTheNextChunk) {
    for (uint32_t declared : {0u, 14u}) {
        QByteArray bytes = makeWav({});
        bytes.replace(16, 4, QByteArray("\0\0\0\0", 4));
        bytes[16] = char(declared);
        WaveInfo info = marked();
        EXPECT_FALSE(ReadWaveInfoFromBytes(bytes, info)) << declared;
        expectUntouched(info);
    }
}

TEST(ReadWaveInfo, EveryTruncationUpTo44BytesEitherFailsCleanlyOrReadsAFullFmt) {
    const QByteArray whole = makeWav({});
    for (int length = 0; length <= 44; ++length) {
        WaveInfo info = marked();
        const bool ok = ReadWaveInfoFromBytes(whole.left(length), info);
        EXPECT_EQ(ok, length >= 36) << length; // 12 + 8 + 16 bytes reach the end of "fmt "
        if (!ok)
            expectUntouched(info);
    }
}

TEST(ReadWaveInfo, HugeChunkSizesNeitherHangNorOverflow) {
    QByteArray huge = makeWav({});
    huge.replace(4, 4, QByteArray("\xff\xff\xff\xff", 4)); // RIFF size
    WaveInfo info;
    EXPECT_TRUE(ReadWaveInfoFromBytes(huge, info));

    WavSpec spec;
    spec.chunksBeforeFmt = QByteArray("big \xff\xff\xff\xff", 8); // claims 4 GB of data
    WaveInfo unchanged = marked();
    EXPECT_FALSE(ReadWaveInfoFromBytes(makeWav(spec), unchanged));
    expectUntouched(unchanged);
}

TEST(ReadWaveInfo, FmtAfterALargeUnknownChunkInAFile) {
    QTemporaryDir dir;
    WavSpec spec;
    spec.chunksBeforeFmt = makeChunk("data", QByteArray(3'000'001, '\x11'));
    const QString path = dir.filePath(QStringLiteral("big.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(makeWav(spec));
    file.close();
    WaveInfo info;
    EXPECT_TRUE(ReadWaveInfo(path, info));
    EXPECT_EQ(info.samplesPerSecond, 22050u);
}

TEST(ReadWaveInfo, MissingFilesAndDirectoriesNamedWavFail) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("x.wav"));
    WaveInfo info = marked();
    EXPECT_FALSE(ReadWaveInfo(dir.filePath(QStringLiteral("x.wav")), info));
    EXPECT_FALSE(ReadWaveInfo(dir.filePath(QStringLiteral("missing.wav")), info));
    expectUntouched(info);
}

TEST(PlayTime, CountsTheWholeFileAndStaysFiniteForAZeroRate) {
    WaveInfo info;
    info.avgBytesPerSecond = 88200;
    EXPECT_DOUBLE_EQ(playTimeSeconds(44 + 88200, info), (44.0 + 88200) / 88200);
    info.avgBytesPerSecond = 0;
    EXPECT_EQ(playTimeSeconds(1000, info), 0.0);
}

} // namespace

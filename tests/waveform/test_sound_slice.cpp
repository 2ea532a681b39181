#include "platform/audio/SoundSlice.h"
#include "tests/support/QtPrinters.h"
#include "tests/waveform/PeakFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes of the file's "data" chunk (libsndfile writes it after a plain 44-byte header).
QByteArray dataChunk(const QByteArray& wav) {
    const qsizetype at = wav.indexOf("data");
    if (at < 0)
        return {};
    quint32 size = 0;
    std::memcpy(&size, wav.constData() + at + 4, 4);
    return wav.mid(at + 8, size);
}

std::vector<int16_t> samplesOf(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    std::vector<int16_t> samples(size_t(info.frames * info.channels));
    sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    return samples;
}

class SliceTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 8000; ++i)
            samples.push_back(int16_t(i * 7 - 20000));
    }
    QTemporaryDir dir;
    std::vector<int16_t> samples; // 4000 stereo frames
};

TEST_F(SliceTest, AWavSliceHoldsExactlyTheBytesOfThoseFrames) {
    const QString source = dir.filePath(QStringLiteral("source.wav"));
    ASSERT_TRUE(writeSamples(source, 2, samples));
    const QString slice = dir.filePath(QStringLiteral("part 'one' & <two>.wav"));
    ASSERT_TRUE(writeSoundSlice(source, 1000, 3000, slice));
    EXPECT_EQ(dataChunk(bytesOf(slice)), dataChunk(bytesOf(source)).mid(1000 * 4, 2000 * 4));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(SliceTest, AFlacSliceStaysFlacWithTheSameSamples) {
    const QString source = dir.filePath(QStringLiteral("source.flac"));
    ASSERT_TRUE(writeSamples(source, 2, samples, SF_FORMAT_FLAC | SF_FORMAT_PCM_16));
    const QString slice = dir.filePath(QStringLiteral("part.flac"));
    ASSERT_TRUE(writeSoundSlice(source, 10, 20, slice));
    EXPECT_TRUE(bytesOf(slice).startsWith("fLaC"));
    EXPECT_EQ(samplesOf(slice), std::vector<int16_t>(samples.begin() + 20, samples.begin() + 40));
}

TEST_F(SliceTest, NeverReplacesAFileAndRefusesWhatCannotBeCut) {
    const QString source = dir.filePath(QStringLiteral("source.wav"));
    ASSERT_TRUE(writeSamples(source, 2, samples));
    const QString taken = dir.filePath(QStringLiteral("taken.wav"));
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("mine");
    file.close();
    EXPECT_FALSE(writeSoundSlice(source, 0, 10, taken));
    EXPECT_EQ(bytesOf(taken), QByteArray("mine"));
    const QString fresh = dir.filePath(QStringLiteral("fresh.wav"));
    EXPECT_FALSE(writeSoundSlice(source, 10, 10, fresh));
    EXPECT_FALSE(writeSoundSlice(source, 0, 4001, fresh));
    EXPECT_FALSE(writeSoundSlice(dir.filePath(QStringLiteral("gone.wav")), 0, 10, fresh));
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

} // namespace

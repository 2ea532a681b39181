#include "core/WaveInfo.h"
#include "platform/FileLookBatch.h"
#include "platform/FileSystem.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/WavBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

QByteArray wavWithRate(uint32_t rate, uint32_t dataBytes = 100) {
    WavSpec spec;
    spec.sampleRate = rate;
    spec.dataBytes = dataBytes;
    return makeWav(spec);
}

class FileLookBatchTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    static uint32_t rateOf(const QString& path) {
        WaveInfo info;
        return ReadWaveInfo(path, info) ? info.samplesPerSecond : 0;
    }

    QTemporaryDir m_dir;
    LocalFileSystem m_files;
};

TEST_F(FileLookBatchTest, WithoutABatchEveryLookSeesTheFileAsItIsNow) {
    const QString path = write(QStringLiteral("a.wav"), wavWithRate(8000));
    {
        const FileLookBatch batch;
        EXPECT_EQ(rateOf(path), 8000u);
    }
    write(QStringLiteral("a.wav"), wavWithRate(11025, 300));
    EXPECT_EQ(rateOf(path), 11025u);
    EXPECT_EQ(m_files.fileSize(path), 344);
}

TEST_F(FileLookBatchTest, OneReadAnswersTheSizeAndTheHeaderOfTheSameFile) {
    const QString path = write(QStringLiteral("a.wav"), wavWithRate(8000));
    const FileLookBatch batch;
    EXPECT_EQ(m_files.fileSize(path), 144);
    // Rewritten between two looks of one pass: the pass keeps what it saw first.
    write(QStringLiteral("a.wav"), wavWithRate(11025, 300));
    EXPECT_EQ(rateOf(path), 8000u);
}

TEST_F(FileLookBatchTest, AnotherFileOrAStaleLookIsReadAgain) {
    const QString a = write(QStringLiteral("a.wav"), wavWithRate(8000));
    const QString b = write(QStringLiteral("b.wav"), wavWithRate(16000));
    const FileLookBatch batch;
    EXPECT_EQ(rateOf(a), 8000u);
    EXPECT_EQ(rateOf(b), 16000u);
    EXPECT_EQ(rateOf(a), 8000u);
    write(QStringLiteral("a.wav"), wavWithRate(11025));
    std::this_thread::sleep_for(std::chrono::milliseconds(FileLookBatch::kFreshMs + 20));
    EXPECT_EQ(rateOf(a), 11025u);
}

TEST_F(FileLookBatchTest, AFmtChunkBeyondTheHeadIsStillFound) {
    WavSpec spec;
    spec.sampleRate = 48000;
    spec.chunksBeforeFmt = makeChunk("LIST", QByteArray(5000, 'x'));
    const QString path = write(QStringLiteral("long head.wav"), makeWav(spec));
    const FileLookBatch batch;
    ASSERT_TRUE(m_files.fileSize(path).has_value());
    EXPECT_EQ(rateOf(path), 48000u);
}

TEST_F(FileLookBatchTest, PipesAndFoldersNamedWavGiveNoSizeAndNoHeaderAndNeverBlock) {
    const QString pipe = m_dir.filePath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = m_dir.filePath(QStringLiteral("folder.wav"));
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const bool batched : {false, true}) {
        std::optional<FileLookBatch> batch;
        if (batched)
            batch.emplace();
        for (const QString& path : {pipe, folder}) {
            EXPECT_FALSE(m_files.fileSize(path).has_value()) << path.toStdString();
            EXPECT_EQ(rateOf(path), 0u) << path.toStdString();
        }
    }
}

// A batch told its coming files reads them ahead on another thread; every answer must still
// be the file's own, whatever the asker passes over or asks in between.
TEST_F(FileLookBatchTest, FilesReadAheadAnswerEachFileAsItIsWhateverIsPassedOver) {
    constexpr int kFiles = 300;
    std::vector<QString> row;
    for (int i = 0; i < kFiles; ++i)
        row.push_back(i % 37 == 5 ? m_dir.filePath(QStringLiteral("gone %1.wav").arg(i))
                                  : write(QStringLiteral("%1.wav").arg(i), wavWithRate(8000 + i)));
    const QString other = write(QStringLiteral("other.wav"), wavWithRate(44100));
    for (const int stopAt : {kFiles, 20}) {
        const FileLookBatch batch(row);
        for (int i = 0; i < stopAt; ++i) {
            if (i % 50 == 7)
                continue; // passed over
            const QString& path = row[size_t(i)];
            const bool there = i % 37 != 5;
            EXPECT_EQ(m_files.fileSize(path).has_value(), there) << i;
            EXPECT_EQ(rateOf(path), there ? uint32_t(8000 + i) : 0u) << i;
            if (i % 60 == 3) {
                EXPECT_EQ(rateOf(other), 44100u);
            }
        }
    }
}

TEST_F(FileLookBatchTest, AFileReadAheadLongBeforeItIsAskedForIsReadAgain) {
    const QString a = write(QStringLiteral("a.wav"), wavWithRate(8000));
    const QString b = write(QStringLiteral("b.wav"), wavWithRate(16000));
    const FileLookBatch batch(std::vector<QString>{a, b});
    EXPECT_EQ(rateOf(a), 8000u);
    std::this_thread::sleep_for(std::chrono::milliseconds(FileLookBatch::kFreshMs + 20));
    write(QStringLiteral("b.wav"), wavWithRate(11025));
    EXPECT_EQ(rateOf(b), 11025u);
}

} // namespace

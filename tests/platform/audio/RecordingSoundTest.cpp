// The engine's recorder, recording the test sound server's monitor while the engine plays.
#include "SoundServerTest.h"

#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <gmock/gmock.h>
#include <sys/resource.h>

namespace {

class RecordingTest : public SoundServerTest {
protected:
    void SetUp() override {
        SoundServerTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString path = tone("playing.wav", {44100, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 4.0});
        ASSERT_TRUE(m_audio.playbackDevice().open(path).has_value());
        ASSERT_TRUE(m_audio.playbackDevice().play(0).has_value());
        m_recorder = m_audio.newRecordingDevice();
        ASSERT_TRUE(m_recorder->open().has_value());
    }

    std::unique_ptr<IRecordingDevice> m_recorder;
};

struct SavedSound {
    SF_INFO info{};
    MonoSound sound;
};

SavedSound readSaved(const QString& path) {
    SavedSound saved;
    if (SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &saved.info))
        sf_close(file);
    saved.sound = readMono(path).value_or(MonoSound{1, {}});
    return saved;
}

// Stands in for a full disk: no file of this process grows past limitBytes while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limitBytes) {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        const rlimit limit{limitBytes, m_before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before{};
};

} // namespace

TEST_F(RecordingTest, RecordsUpToItsLimitAndSavesA16BitWavHoldingWhatPlayed) {
    const QString path = m_dir.filePath("Take 1 \"ü\" & ;.wav");
    QFile existing(path); // replaced by the save
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
    existing.close();
    ASSERT_TRUE(m_recorder->record(2000).has_value());
    wait(2.6);
    ASSERT_TRUE(m_recorder->stop().has_value());
    ASSERT_TRUE(m_recorder->save(path).has_value());
    m_recorder->close();
    const SavedSound saved = readSaved(path);
    EXPECT_EQ(saved.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_THAT(saved.info.channels, ::testing::AllOf(::testing::Ge(1), ::testing::Le(2)));
    EXPECT_NEAR(saved.sound.seconds(), 2.0, 0.03);
    const auto middle = saved.sound.between(1.0, 1.9); // clear of a slow start (see below)
    EXPECT_NEAR(dominantFrequency(middle, saved.sound.sampleRate, 300, 600), 440, 3);
    EXPECT_THAT(toneAmplitude(middle, saved.sound.sampleRate, 440),
                ::testing::AllOf(::testing::Gt(0.25), ::testing::Lt(0.6)));
}

// The recording runs from the call to record until the call to stop. Starting the stream can
// take a while when the server is slow to answer (the test server has been seen to stall for
// almost a second, its output falling silent meanwhile), so the time is taken around the calls
// and the tone is looked for shortly before the end.
TEST_F(RecordingTest, StopBeforeTheLimitSavesWhatWasRecordedSoFar) {
    QElapsedTimer recording;
    recording.start();
    ASSERT_TRUE(m_recorder->record(30000).has_value());
    wait(1.0);
    ASSERT_TRUE(m_recorder->stop().has_value());
    const double recordedSeconds = double(recording.nsecsElapsed()) / 1e9;
    const QString path = m_dir.filePath("short.wav");
    ASSERT_TRUE(m_recorder->save(path).has_value());
    const SavedSound saved = readSaved(path);
    EXPECT_NEAR(saved.sound.seconds(), recordedSeconds, 0.15);
    const double end = saved.sound.seconds();
    EXPECT_GT(toneAmplitude(saved.sound.between(end - 0.6, end - 0.2), saved.sound.sampleRate, 440),
              0.25);
}

TEST_F(RecordingTest, CloseWithoutSaveKeepsNothing) {
    ASSERT_TRUE(m_recorder->record(30000).has_value());
    wait(0.5);
    m_recorder->close();
    const QString path = m_dir.filePath("discarded.wav");
    const auto saved = m_recorder->save(path);
    ASSERT_FALSE(saved.has_value());
    EXPECT_FALSE(saved.error().isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(RecordingTest, AFailedSaveNamesThePathAndKeepsTheRecordingForAnotherTry) {
    ASSERT_TRUE(m_recorder->record(500).has_value());
    wait(0.8);
    const QString unreachable = m_dir.filePath("no such folder/take.wav");
    const auto failed = m_recorder->save(unreachable);
    ASSERT_FALSE(failed.has_value());
    EXPECT_THAT(failed.error().toStdString(), ::testing::HasSubstr(unreachable.toStdString()));
    const QString path = m_dir.filePath("take.wav");
    ASSERT_TRUE(m_recorder->save(path).has_value());
    EXPECT_NEAR(readSaved(path).sound.seconds(), 0.5, 0.03);
}

// Whether the recording's own temporary file or the saved copy runs out of room, the save
// fails with a text and no file claims to hold the recording.
TEST_F(RecordingTest, ARecordingCutShortByAFullDiskIsNeverReportedAsSaved) {
    const QString path = m_dir.filePath("take.wav");
    ASSERT_TRUE(m_recorder->record(1200).has_value());
    {
        FileSizeLimit full(64 * 1024);
        wait(1.5);
        ASSERT_TRUE(m_recorder->stop().has_value());
    }
    const auto whileRecording = m_recorder->save(path);
    EXPECT_FALSE(whileRecording.has_value()) << "a cut recording was saved";
    EXPECT_FALSE(QFile::exists(path));

    ASSERT_TRUE(m_recorder->record(1200).has_value());
    wait(1.5);
    ASSERT_TRUE(m_recorder->stop().has_value());
    {
        FileSizeLimit full(64 * 1024);
        const auto whileSaving = m_recorder->save(path);
        ASSERT_FALSE(whileSaving.has_value()) << "a cut copy was saved";
        EXPECT_THAT(whileSaving.error().toStdString(), ::testing::HasSubstr(path.toStdString()));
    }
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(m_recorder->save(path).has_value());
    EXPECT_NEAR(readSaved(path).sound.seconds(), 1.2, 0.03);
}

// The Record dialog with the real engine, recording the test sound server's monitor while the
// engine plays a tone (run eval "$(scripts/pulse.sh start)" first; without a server it skips).
#include "SoundServerTest.h"
#include "operations/RecordDlg.h"
#include "tests/support/FakeUi.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <functional>

namespace {

class RecordDialogSound : public SoundServerTest {
protected:
    void SetUp() override {
        SoundServerTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString path = tone("playing.wav", {44100, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 6.0});
        ASSERT_TRUE(m_audio.playbackDevice().open(path).has_value());
        ASSERT_TRUE(m_audio.playbackDevice().play().has_value());
    }

    // Records with the dialog until it ends, by itself or by `end` after `afterMs`.
    void recordFor(int seconds, int afterMs = 0, std::function<void(CRecordDlg&)> end = {}) {
        CRecordDlg dialog(file(), seconds, ui, m_audio.newRecordingDevice());
        QEventLoop loop;
        QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(15000, &loop, &QEventLoop::quit);
        if (end)
            QTimer::singleShot(afterMs, &dialog, [&] { end(dialog); });
        loop.exec();
        ASSERT_TRUE(dialog.isFinished());
        result = dialog.result();
    }
    QString file() const { return m_dir.filePath(QStringLiteral("Take1.wav")); }

    FakeUi ui;
    int result = -1;
};

TEST_F(RecordDialogSound, RecordsTheToneForItsTimeAndSavesItWhenItStopsItself) {
    recordFor(2);
    EXPECT_EQ(result, QDialog::Accepted);
    const auto saved = readMono(file());
    ASSERT_TRUE(saved.has_value()) << saved.error().toStdString();
    EXPECT_NEAR(saved->seconds(), 2.0, 0.05) << "the device stops at the time limit";
    const auto middle = saved->between(0.5, 1.5);
    EXPECT_NEAR(dominantFrequency(middle, saved->sampleRate, 300, 600), 440, 3);
    EXPECT_GT(toneAmplitude(middle, saved->sampleRate, 440), 0.4);
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(RecordDialogSound, StopAfterOneSecondSavesAboutOneSecond) {
    recordFor(30, 1000, [](CRecordDlg& d) { d.stopRecording(); });
    EXPECT_EQ(result, QDialog::Accepted);
    const auto saved = readMono(file());
    ASSERT_TRUE(saved.has_value()) << saved.error().toStdString();
    EXPECT_NEAR(saved->seconds(), 1.0, 0.15);
    EXPECT_GT(toneAmplitude(saved->between(0.3, 0.7), saved->sampleRate, 440), 0.4);
}

TEST_F(RecordDialogSound, DeleteSavesNothing) {
    recordFor(30, 700, [](CRecordDlg& d) { d.deleteRecording(); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_TRUE(ui.calls().empty());
}

} // namespace

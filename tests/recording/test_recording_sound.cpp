// The Record dialog with the real engine, recording the test sound server's monitor while the
// engine plays a tone (run eval "$(scripts/pulse.sh start)" first; without a server it skips).
#include "SoundServerTest.h"
#include "recording/RecordDlg.h"
#include "tests/support/FakeUi.h"
#include "widgets/CVuNeedle.h"

#include <QElapsedTimer>
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
        ASSERT_TRUE(m_audio.playbackDevice().play(0).has_value());
    }

    // Records with the dialog until it ends, by itself or by `end` after `afterMs`; endedAfter
    // is the time from the dialog's start to the call of `end`.
    void recordFor(int seconds, int afterMs = 0, std::function<void(CRecordDlg&)> end = {}) {
        QElapsedTimer sinceStart;
        sinceStart.start();
        CRecordDlg dialog(file(), seconds, ui, m_audio.newRecordingDevice());
        QEventLoop loop;
        QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(15000, &loop, &QEventLoop::quit);
        if (end)
            QTimer::singleShot(afterMs, &dialog, [&] {
                endedAfter = double(sinceStart.nsecsElapsed()) / 1e9;
                end(dialog);
            });
        loop.exec();
        ASSERT_TRUE(dialog.isFinished());
        result = dialog.result();
    }
    QString file() const { return m_dir.filePath(QStringLiteral("Take1.wav")); }

    FakeUi ui;
    int result = -1;
    double endedAfter = 0;
};

TEST_F(RecordDialogSound, RecordsTheToneForItsTimeAndSavesItWhenItStopsItself) {
    recordFor(2);
    EXPECT_EQ(result, QDialog::Accepted);
    const auto saved = readMono(file());
    ASSERT_TRUE(saved.has_value()) << saved.error().toStdString();
    EXPECT_NEAR(saved->seconds(), 2.0, 0.05) << "the device stops at the time limit";
    // The second half: a slow start of the stream may leave a gap at the beginning.
    const auto middle = saved->between(1.0, 1.9);
    EXPECT_NEAR(dominantFrequency(middle, saved->sampleRate, 300, 600), 440, 3);
    EXPECT_GT(toneAmplitude(middle, saved->sampleRate, 440), 0.4);
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(RecordDialogSound, StopAfterOneSecondSavesAboutOneSecondWithTheMeterOnTheTonesLevel) {
    double needle = 0;
    recordFor(30, 1000, [&](CRecordDlg& d) {
        needle = d.needle().angle();
        d.stopRecording();
    });
    // The tone's peaks are half of full scale, the -3 mark; the server's mixing moves them a
    // little.
    EXPECT_GT(needle, vuToNeedleAngle(peakToVu(0.35f)));
    EXPECT_LT(needle, vuToNeedleAngle(peakToVu(0.7f)));
    EXPECT_EQ(result, QDialog::Accepted);
    const auto saved = readMono(file());
    ASSERT_TRUE(saved.has_value()) << saved.error().toStdString();
    // The stop comes a second after the dialog started recording, or later when starting the
    // stream kept the event loop waiting; what is saved is what was recorded until then.
    EXPECT_NEAR(saved->seconds(), endedAfter, 0.15);
    const double end = saved->seconds();
    EXPECT_GT(toneAmplitude(saved->between(end - 0.6, end - 0.2), saved->sampleRate, 440), 0.4);
}

TEST_F(RecordDialogSound, DeleteSavesNothing) {
    recordFor(30, 700, [](CRecordDlg& d) { d.deleteRecording(); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_TRUE(ui.calls().empty());
}

} // namespace

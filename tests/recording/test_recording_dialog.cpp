#include "recording/RecordDlg.h"

#include "tests/recording/FakeRecordingDevice.h"
#include "tests/support/FakeUi.h"
#include "widgets/CBitmapButton.h"
#include "widgets/CGradientBar.h"
#include "widgets/CVuNeedle.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kDeviceProblem = QStringLiteral("Device problem was detected. Cannot record.");

class RecordDialog : public ::testing::Test {
protected:
    // Builds the dialog, which opens the device and starts recording at once.
    CRecordDlg& dialog(int seconds = 15) {
        m_dialog = std::make_unique<CRecordDlg>(file(), seconds, ui,
                                                std::make_unique<FakeRecordingDevice>(script));
        done = std::make_unique<QSignalSpy>(m_dialog.get(), &CRecordDlg::recordDone);
        cancelled = std::make_unique<QSignalSpy>(m_dialog.get(), &CRecordDlg::recordCancelled);
        return *m_dialog;
    }
    QString file() const { return folder.filePath(QStringLiteral("Take4.wav")); }
    void tick(CRecordDlg& d, int times) {
        for (int i = 0; i < times; ++i)
            d.timerTick();
    }

    QTemporaryDir folder;
    FakeUi ui;
    RecordingScript script;
    std::unique_ptr<CRecordDlg> m_dialog;
    std::unique_ptr<QSignalSpy> done;
    std::unique_ptr<QSignalSpy> cancelled;
};

TEST_F(RecordDialog, FifteenSecondsFillTheBarOverOneToThirtyAndStopAtTheThirtySecondTick) {
    CRecordDlg& d = dialog(15);
    EXPECT_EQ(script.log, (QStringList{"open", "record 15000"}));
    EXPECT_EQ(d.bar().lower(), 1);
    EXPECT_EQ(d.bar().upper(), 30);
    EXPECT_EQ(d.bar().pos(), 0);
    EXPECT_EQ(d.bar().startColor(), QColor(0, 171, 205));
    EXPECT_EQ(d.bar().endColor(), QColor(200, 0, 0));
    EXPECT_EQ(d.bar().backgroundColor(), QColor(41, 41, 41));
    EXPECT_FALSE(d.bar().showPercentage());

    tick(d, 31);
    EXPECT_FALSE(d.isFinished()) << "31 ticks = 18.6 s: still recording";
    EXPECT_EQ(d.bar().pos(), 31);
    EXPECT_TRUE(done->isEmpty());

    d.timerTick(); // the 32nd finds the counter at 31 = 2R + 1
    EXPECT_TRUE(d.isFinished());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(script.log, (QStringList{"open", "record 15000", "stop", "save Take4.wav", "close"}));
    EXPECT_TRUE(QFile::exists(file()));
    EXPECT_EQ(done->size(), 1);
    EXPECT_TRUE(cancelled->isEmpty());
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(RecordDialog, StopButtonOrEnterSavesWhatWasRecordedSoFar) {
    for (bool byKey : {false, true}) {
        QFile::remove(file());
        script.log.clear();
        CRecordDlg& d = dialog(30);
        tick(d, 5);
        if (byKey)
            QTest::keyClick(&d, Qt::Key_Return);
        else
            QTest::mouseClick(&d.stopButton(), Qt::LeftButton);
        EXPECT_EQ(script.log,
                  (QStringList{"open", "record 30000", "stop", "save Take4.wav", "close"}));
        EXPECT_TRUE(QFile::exists(file()));
        EXPECT_EQ(done->size(), 1);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        tick(d, 100);
        EXPECT_EQ(done->size(), 1) << "nothing happens after the dialog has ended";
    }
}

TEST_F(RecordDialog, DeleteEscapeOrClosingTheWindowSavesNothingAndReportsCancel) {
    for (int way = 0; way < 3; ++way) {
        script.log.clear();
        CRecordDlg& d = dialog(30);
        d.show();
        tick(d, 3);
        if (way == 0)
            QTest::mouseClick(&d.deleteButton(), Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            d.close();
        EXPECT_EQ(script.log, (QStringList{"open", "record 30000", "close"})) << "way " << way;
        EXPECT_FALSE(QFile::exists(file()));
        EXPECT_EQ(cancelled->size(), 1);
        EXPECT_TRUE(done->isEmpty());
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_FALSE(d.isVisible());
        tick(d, 100);
        EXPECT_TRUE(done->isEmpty());
    }
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(RecordDialog, ADeviceThatDoesNotOpenIsReportedAsSoonAsTheDialogRunsAndSavesNothing) {
    script.openError = QStringLiteral("There is no input device.");
    CRecordDlg& d = dialog(2);
    EXPECT_TRUE(ui.calls().empty()) << "not from inside the constructor";
    ui.answer(MsgResult::Ok);
    QCoreApplication::processEvents(); // the dialog's event loop has begun
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, kDeviceProblem);
    EXPECT_EQ(ui.calls()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Stop);
    EXPECT_EQ(script.log, QStringList{"open"});
    EXPECT_EQ(cancelled->size(), 1) << "the main window comes back as after Delete";
    EXPECT_TRUE(done->isEmpty());
    EXPECT_TRUE(d.isFinished());
    d.stopRecording();
    tick(d, 6);
    EXPECT_EQ(ui.calls().size(), 1u) << "reported once";
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(RecordDialog, TheNeedleFollowsTheInputAndTheTimeCountsWhileRecording) {
    CRecordDlg& d = dialog(15);
    EXPECT_DOUBLE_EQ(d.needle().angle(), vuToNeedleAngle(LevelMeter::kLowestVu));
    EXPECT_EQ(d.timeLabel().text(), QStringLiteral("0:00"));
    script.peak = 1.0f; // full scale: the needle goes to the stop
    d.meterTick();
    EXPECT_DOUBLE_EQ(d.needle().angle(), vuToNeedleAngle(LevelMeter::kHighestVu));
    d.stopRecording();
    script.peak = 0.0f;
    d.meterTick();
    EXPECT_DOUBLE_EQ(d.needle().angle(), vuToNeedleAngle(LevelMeter::kHighestVu))
        << "a stopped recording leaves the meter as it was";
}

TEST_F(RecordDialog, ARefusedRecordShowsItsErrorClosesTheDeviceAndEndsAsADeviceProblem) {
    script.recordError = QStringLiteral("The device is busy.");
    ui.answer(MsgResult::Ok);
    CRecordDlg& d = dialog(15);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("The device is busy."));
    EXPECT_EQ(ui.calls()[0].caption, ui.appTitle());
    EXPECT_EQ(ui.calls()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(script.log, (QStringList{"open", "record 15000", "close"}));
    EXPECT_FALSE(d.isFinished()) << "the dialog runs on";
    ui.answer(MsgResult::Ok);
    d.stopRecording();
    EXPECT_EQ(ui.messageTexts().last(), kDeviceProblem);
    EXPECT_EQ(script.log.size(), 3) << "a closed device is not asked again";
    EXPECT_EQ(cancelled->size(), 1);
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(RecordDialog, AFailedSaveShowsItsErrorClosesTheDeviceAndStillReportsDone) {
    script.saveError = QStringLiteral("The disk is full.");
    CRecordDlg& d = dialog(15);
    tick(d, 4);
    ui.answer(MsgResult::Ok);
    d.stopRecording();
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("The disk is full."));
    EXPECT_EQ(ui.calls()[0].caption, ui.appTitle());
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(script.log.last(), QStringLiteral("close"));
    EXPECT_EQ(done->size(), 1) << "the main window refreshes its list and finds nothing new";
    EXPECT_FALSE(QFile::exists(file()));
}

} // namespace

#include "browser/CommandIds.h"
#include "operations/RecordDlg.h"
#include "platform/SettingsStore.h"
#include "tests/browser/MainWindowFixture.h"
#include "tests/operations/FakeRecordingDevice.h"
#include "widgets/CGradientBar.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <functional>

namespace {

const QString kDeviceProblem = QStringLiteral("Device problem was detected. Cannot record.");

CRecordDlg* openRecordDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<CRecordDlg*>(widget); dialog && !dialog->isFinished())
            return dialog;
    return nullptr;
}

// A main window whose recordings go to fake devices that all follow one script.
class Recording : public MainWindowFixture {
protected:
    Recording() {
        services.reset(new Services{ui, playback, sounds, files, launcher, desktop,
                                    [this]() -> std::unique_ptr<IRecordingDevice> {
                                        return std::make_unique<FakeRecordingDevice>(script);
                                    },
                                    program.path()});
    }

    // Runs the Record command; `during` acts on the modal dialog while it runs and ends it.
    void record(const std::function<void(CRecordDlg&)>& during) {
        CTembrelDlg& w = window();
        bool ran = false;
        QTimer::singleShot(0, &w, [&] {
            CRecordDlg* dialog = openRecordDialog();
            ASSERT_NE(dialog, nullptr);
            ran = true;
            during(*dialog);
            if (!dialog->isFinished()) {
                ADD_FAILURE() << "the Record dialog was left running";
                dialog->deleteRecording();
            }
        });
        w.onCommand(cmd::Record);
        EXPECT_TRUE(ran);
    }
    void stopAfter(int ticks) {
        record([ticks](CRecordDlg& d) {
            for (int i = 0; i < ticks; ++i)
                d.timerTick();
            d.stopRecording();
        });
    }
    void setting(const char* section, const char* key, const QString& value) {
        settings::writeString(section, key, value, program.dataFile());
    }

    RecordingScript script;
};

TEST_F(Recording, NumbersTheFileAfterTheSoundsGetsTheWindowOutOfTheWayAndSelectsTheNewSound) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    CTembrelDlg& w = window();
    w.onCommand(cmd::Play);
    w.onCommand(cmd::PlayLoop);
    setting("Record", "Rec_Time", QStringLiteral("15")); // read at the command, not at start
    record([&](CRecordDlg& d) {
        EXPECT_EQ(d.recordFile(), program.library() + "/Take4.wav");
        EXPECT_EQ(d.bar().upper(), 30);
        EXPECT_TRUE(w.isMinimized());
        EXPECT_TRUE(playback.openPath.isEmpty()) << "the player's device is closed";
        EXPECT_FALSE(sounds.looping.isEmpty()) << "a loop keeps sounding";
        for (int i = 0; i < 10; ++i)
            d.timerTick();
        d.stopRecording();
    });
    EXPECT_EQ(script.log, (QStringList{"open", "record 15000", "stop", "save Take4.wav", "close"}));
    EXPECT_FALSE(w.isMinimized());
    EXPECT_EQ(listRows(), (QStringList{"a", "b", "c", "Take4"}));
    EXPECT_EQ(w.selectedName(), QStringLiteral("Take4"));
    EXPECT_EQ(w.currentIndex(), 3);
    EXPECT_EQ(w.statusLine2(), QStringLiteral("Sound 4 from 4   "));
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(Recording, ANumberThatNamesAFileAlreadyMovesOnToTheNextFreeOne) {
    addSound("Take1");
    addSound("Take3");
    program.writeFile(program.library() + "/take4.WAV", "not replaced");
    QDir(program.library()).mkdir(QStringLiteral("Take5.wav")); // not listed, but not free
    stopAfter(2);
    EXPECT_EQ(script.log.filter("save"), QStringList{"save Take6.wav"});
    EXPECT_EQ(listRows(), (QStringList{"Take1", "Take3", "take4", "Take6"}));
    EXPECT_EQ(window().selectedName(), QStringLiteral("Take6"));
    QFile kept(program.library() + "/take4.WAV");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not replaced"));
}

TEST_F(Recording, AnEmptyFolderGivesNumberOneAndADeletedRecordingLeavesTheNumberFree) {
    CTembrelDlg& w = window();
    record([](CRecordDlg& d) {
        d.timerTick();
        d.deleteRecording();
    });
    EXPECT_EQ(script.log, (QStringList{"open", "record 30000", "close"}));
    EXPECT_FALSE(w.isMinimized());
    EXPECT_EQ(w.list().count(), 0);
    EXPECT_TRUE(QDir(program.library()).entryList(QDir::Files).isEmpty());
    stopAfter(1);
    EXPECT_EQ(script.log.filter("save"), QStringList{"save Take1.wav"});
    EXPECT_EQ(listRows(), QStringList{"Take1"});
}

TEST_F(Recording, WithShowWinZeroTheWindowGoesToTheCornerAndComesBack) {
    setting("Record", "Show_Win", QStringLiteral("0"));
    CTembrelDlg& w = window();
    w.move(200, 150);
    const QSize size = w.size();
    for (bool keep : {true, false}) {
        record([&](CRecordDlg& d) {
            EXPECT_EQ(w.pos(), QPoint(0, 0));
            EXPECT_EQ(w.size(), size);
            EXPECT_FALSE(w.isMinimized());
            keep ? d.stopRecording() : d.deleteRecording();
        });
        EXPECT_EQ(w.pos(), QPoint(200, 150));
        EXPECT_EQ(w.size(), size);
    }
}

TEST_F(Recording, ADeviceProblemRestoresTheWindowAndAddsNothing) {
    addSound("a");
    script.openError = QStringLiteral("There is no input device.");
    CTembrelDlg& w = window();
    ui.answer(MsgResult::Ok);
    record([](CRecordDlg& d) {
        for (int i = 0; i < 4; ++i)
            d.timerTick();
        d.stopRecording();
    });
    EXPECT_EQ(ui.messageTexts(), QStringList{kDeviceProblem});
    EXPECT_FALSE(w.isMinimized());
    EXPECT_EQ(listRows(), QStringList{"a"});
}

TEST_F(Recording, AFailedSaveShowsItsErrorAndTheListShowsNoNewSound) {
    addSound("a");
    script.saveError = QStringLiteral("The disk is full.");
    CTembrelDlg& w = window();
    ui.answer(MsgResult::Ok);
    stopAfter(3);
    EXPECT_EQ(ui.messageTexts(), QStringList{"The disk is full."});
    EXPECT_FALSE(w.isMinimized());
    EXPECT_EQ(listRows(), QStringList{"a"});
    EXPECT_EQ(w.selectedName(), QStringLiteral("a"));
}

TEST_F(Recording, AMissingBaseNameIsShownAfterTheRecordingAndStaysTheBaseName) {
    QByteArray data = TempProgramDir::defaultDataFile();
    data.replace("[Default_Rec_Name]\nRec_Name=Take\n", "");
    program.writeFile(program.dataFile(), data);
    ui.answer(MsgResult::Ok); // at start, as for every missing text
    CTembrelDlg& w = window();
    ui.clear();
    ui.answer(MsgResult::Ok);
    stopAfter(1);
    const QString stem = settings::kMissing + "1";
    EXPECT_EQ(script.log.filter("save"), QStringList{"save " + stem + ".wav"});
    EXPECT_EQ(w.selectedName(), stem);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, settings::kMissing);
    EXPECT_EQ(ui.calls()[0].caption, ui.appTitle());
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(startValues().baseRecordingName, settings::kMissing);
}

} // namespace

#include "core/CommandIds.h"
#include "platform/SettingsStore.h"
#include "recording/RecordDlg.h"
#include "tests/browser/MainWindowFixture.h"
#include "tests/recording/FakeRecordingDevice.h"
#include "widgets/CGradientBar.h"

#include <QApplication>
#include <QTimer>
#include <functional>

// The Record command in the main window; the steps around the dialog are tested over the logic
// library in test_new_recording, the dialog itself in test_recording_dialog.
namespace {

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
    void setting(const char* section, const char* key, const QString& value) {
        settings::writeString(section, key, value, program.dataFile());
    }

    RecordingScript script;
};

TEST_F(Recording, NumbersTheFileAfterTheSoundsGetsTheWindowOutOfTheWayAndSelectsTheNewSound) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    CTembrelDlg& w = window();
    setting("Record", "Rec_Time", QStringLiteral("15")); // read at the command, not at start
    record([&](CRecordDlg& d) {
        EXPECT_EQ(d.recordFile(), program.library() + "/Take4.wav");
        EXPECT_EQ(d.bar().upper(), 30);
        EXPECT_TRUE(w.isMinimized());
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

} // namespace

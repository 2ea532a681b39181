#include "core/Settings.h"
#include "core/WindowPlacement.h"
#include "recording/NewRecording.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeFolderBrowser.h"
#include "tests/support/FakeUi.h"
#include "tests/support/TempProgramDir.h"
#include "tests/support/WavBytes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class FakePlacement final : public IWindowPlacement {
public:
    void minimise() override { where = QStringLiteral("minimised"); }
    void moveToCorner() override { where = QStringLiteral("corner"); }
    void restore() override { where = QStringLiteral("restored"); }

    QString where = QStringLiteral("restored");
};

// The steps around the Record dialog, over the main directory of a temporary program
// directory; what the dialog and its device do is in test_recording_dialog.
class NewRecordingTest : public ::testing::Test {
protected:
    NewRecordingTest() {
        startValues.baseRecordingName = QStringLiteral("Take");
        settings.values["Default_Rec_Name/Rec_Name"] = startValues.baseRecordingName;
    }

    void addSound(const QString& name) {
        program.writeFile(pathhelp::join(program.library(), name + ".wav"), makeWav({}));
    }
    // A recording stopped and saved by its dialog.
    void saveTake(const NewRecording::Take& take) {
        program.writeFile(take.file, makeWav({}));
        recording.saved();
    }
    QString selectedRow() const { return list.row(list.selectedRow()).name; }

    TempProgramDir program;
    FakeUi ui;
    FakePlaybackDevice playback;
    FakeSoundPlayer sounds;
    CWavePlayer player{playback, sounds, ui};
    FakeSoundList list;
    FakeFolderBrowser browser{list, player, program.library()};
    FakePlacement placement;
    MemorySettings settings;
    MainSettings startValues;
    NewRecording recording{ui, player, list, browser, placement, settings, startValues};
};

TEST_F(NewRecordingTest, ANumberThatNamesAFileAlreadyMovesOnToTheNextFreeOne) {
    addSound("Take1");
    addSound("Take3");
    program.writeFile(program.library() + "/take4.WAV", "not replaced");
    QDir(program.library()).mkdir(QStringLiteral("Take5.wav")); // not listed, but not free
    const NewRecording::Take take = recording.begin();
    EXPECT_EQ(take.file, program.library() + "/Take6.wav");
    EXPECT_EQ(placement.where, QStringLiteral("minimised"));
    saveTake(take);
    EXPECT_EQ(placement.where, QStringLiteral("restored"));
    EXPECT_EQ(list.rows, (QStringList{"Take1", "Take3", "take4", "Take6"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("Take6"));
    QFile kept(program.library() + "/take4.WAV");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not replaced"));
}

// Delete in the dialog and a device problem both cancel: nothing is added.
TEST_F(NewRecordingTest, AnEmptyFolderGivesNumberOneAndACancelledRecordingLeavesItFree) {
    settings.values["Record/Show_Win"] = QStringLiteral("0");
    NewRecording::Take take = recording.begin();
    EXPECT_EQ(take.file, program.library() + "/Take1.wav");
    EXPECT_EQ(take.seconds, 30);
    EXPECT_EQ(placement.where, QStringLiteral("corner"));
    recording.cancelled();
    EXPECT_EQ(placement.where, QStringLiteral("restored"));
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_TRUE(QDir(program.library()).entryList(QDir::Files).isEmpty());
    take = recording.begin();
    EXPECT_EQ(take.file, program.library() + "/Take1.wav");
    saveTake(take);
    EXPECT_EQ(list.rows, QStringList{"Take1"});
}

TEST_F(NewRecordingTest, ThePlayerLetsGoButALoopKeepsSounding) {
    addSound("a");
    browser.refreshList();
    browser.playCurrent();
    player.Stop();
    player.PlayLoop(program.library() + "/a.wav");
    recording.begin();
    EXPECT_TRUE(playback.openPath.isEmpty()) << "the player's device is closed";
    EXPECT_FALSE(sounds.looping.isEmpty()) << "a loop keeps sounding";
}

TEST_F(NewRecordingTest, AFailedSaveRestoresTheWindowAndTheListShowsNoNewSound) {
    addSound("a");
    recording.begin();
    recording.saved(); // the dialog showed the save's error
    EXPECT_EQ(placement.where, QStringLiteral("restored"));
    EXPECT_EQ(list.rows, QStringList{"a"});
    EXPECT_EQ(selectedRow(), QStringLiteral("a"));
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(NewRecordingTest, AMissingBaseNameIsShownAfterTheRecordingAndStaysTheBaseName) {
    startValues.baseRecordingName = settings::kMissing; // as read at start
    settings.values.remove("Default_Rec_Name/Rec_Name");
    ui.answer(MsgResult::Ok);
    saveTake(recording.begin());
    const QString stem = settings::kMissing + "1";
    EXPECT_TRUE(QFile::exists(program.library() + "/" + stem + ".wav"));
    EXPECT_EQ(selectedRow(), stem);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, settings::kMissing);
    EXPECT_EQ(ui.calls()[0].caption, ui.appTitle());
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(startValues.baseRecordingName, settings::kMissing);
}

} // namespace

#include "tests/browser/MainWindowFixture.h"

#include "browser/MainWindowView.h"
#include "browser/StartSound.h"
#include "widgets/SortedListBox.h"

namespace {

using StartSound = MainWindowFixture;

TEST_F(StartSound, AFileGivenAtStartShowsItsFolderWithTheSoundSelected) {
    addSound("in library");
    const QString folder = program.makeFolder("Other; $x & 'q' Grüße");
    for (const char* name : {"alpha", "Opened Sound", "zulu"})
        addSound(name, {}, folder);
    CTembrelDlg& w = window();
    MainWindowView view(w);

    // A differently spelled extension still names the sound.
    QFile::rename(folder + "/Opened Sound.wav", folder + "/Opened Sound.WAV");
    showStartSound(folder + "/Opened Sound.WAV", files, view, view, ui);

    EXPECT_EQ(w.currentFolder(), folder);
    EXPECT_EQ(listRows(), QStringList({"alpha", "Opened Sound", "zulu"}));
    EXPECT_EQ(w.selectedName(), QStringLiteral("Opened Sound"));
    EXPECT_TRUE(w.statusLine2().startsWith(QStringLiteral("Sound 2 from 3")));
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(StartSound, AMissingFileIsReportedAndTheMainDirectoryStays) {
    addSound("in library");
    CTembrelDlg& w = window();
    MainWindowView view(w);
    ui.answer(MsgResult::Ok);

    const QString missing = program.path() + "Gone/never.wav";
    showStartSound(missing, files, view, view, ui);

    ASSERT_EQ(ui.messageTexts(), QStringList({"The sound file " + missing + " was not found."}));
    EXPECT_EQ(ui.calls().front().icon, MsgIcon::Exclamation);
    EXPECT_EQ(w.currentFolder(), program.library());
    EXPECT_EQ(listRows(), QStringList({"in library"}));
}

} // namespace

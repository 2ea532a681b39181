#include "core/CWavePlayer.h"
#include "core/Settings.h"
#include "platform/ProgramDirectory.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeBrowserView.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeUi.h"
#include "tests/support/TempProgramDir.h"
#include "tests/support/WavBytes.h"
#include "tools/ExternalTools.h"

#include <gtest/gtest.h>

namespace {

class ExternalToolsTest : public ::testing::Test {
protected:
    TempProgramDir program;
    FakeUi ui;
    FakePlaybackDevice playback;
    FakeSoundPlayer sounds;
    FakeLauncher launcher;
    FakeDesktop desktop;
    FakeSoundList list;
    QStringList log;
    FakeBrowserWindow browser{log};
    DataFileSettings settings{program.path()};
    CWavePlayer player{playback, sounds, ui};
    ExternalTools tools{ui, launcher, desktop, player, list, browser, settings, settings};
};

TEST_F(ExternalToolsTest, TheEditorGetsTheSoundPathAsOneArgumentAndTheFileIsLetGo) {
    const QString folder = program.makeFolder("My Sounds");
    const QString path = pathhelp::join(folder, "Big Bell.wav");
    program.writeFile(path, makeWav({}));
    browser.folder = folder;
    list.rows = QStringList{"Big Bell"};
    list.selected = 0;
    player.Open(path);
    ASSERT_EQ(playback.openPath, path);
    tools.editSound(QStringLiteral("/opt/Wave Tools/wed"));
    EXPECT_EQ(launcher.started, (QList<QStringList>{{"/opt/Wave Tools/wed", path}}));
    EXPECT_TRUE(playback.openPath.isEmpty()) << "the editor can open the file";
}

TEST_F(ExternalToolsTest, TheMixerOpensOnItsOutputOrInputViewAndHelpOnTheHelpPages) {
    tools.openMixer();
    tools.openRecordingMixer();
    tools.openHelp();
    EXPECT_EQ(launcher.started,
              (QList<QStringList>{{"pavucontrol", "--tab=3"}, {"pavucontrol", "--tab=4"}}));
    EXPECT_EQ(desktop.opened, QStringList{program.path() + "Help/index.html"});
}

TEST_F(ExternalToolsTest, TheMixerCommandsComeFromTheDataFile) {
    settings.writeString("Mixer", "Output", "\"/opt/My Mixer/mix\" --view \"play back\"");
    settings.writeString("Mixer", "Input", "");
    tools.openMixer();
    tools.openRecordingMixer();
    EXPECT_EQ(launcher.started, (QList<QStringList>{{"/opt/My Mixer/mix", "--view", "play back"},
                                                    {"pavucontrol", "--tab=4"}}));
}

TEST_F(ExternalToolsTest, AToolThatCannotBeStartedIsNamedInABox) {
    launcher.succeed = false;
    desktop.succeed = false;
    ui.setDefaultAnswer(MsgResult::Ok);
    tools.openMixer();
    tools.openHelp();
    EXPECT_EQ(ui.messageTexts(),
              (QStringList{"Could not start \"pavucontrol\". Is it installed?",
                           "Could not start a web browser for the help page \"" + program.path() +
                               "Help/index.html\". Is it installed?"}));
}

} // namespace

#include "tests/operations/OperationsFixture.h"

#include "browser/CommandIds.h"
#include "widgets/SortedListBox.h"

namespace {

using ExternalToolsTest = OperationsFixture;

TEST_F(ExternalToolsTest, TheEditorGetsTheSoundPathAsOneArgumentAndTheFileIsLetGo) {
    const QString folder = program.makeFolder("My Sounds");
    const QString path = addSound("Big Bell", {}, folder);
    window().setCurrentFolder(folder);
    startValues().editorPath = QStringLiteral("/opt/Wave Tools/wed");
    window().onCommand(cmd::Play);
    ASSERT_EQ(playback.openPath, path);
    window().onCommand(cmd::EditSound);
    EXPECT_EQ(launcher.started, (QList<QStringList>{{"/opt/Wave Tools/wed", path}}));
    EXPECT_TRUE(playback.openPath.isEmpty()) << "the editor can open the file";
}

TEST_F(ExternalToolsTest, TheMixerOpensOnItsOutputOrInputViewAndHelpOnTheHelpPages) {
    window().onCommand(cmd::Volume);
    window().onCommand(cmd::RecordVolume);
    window().onCommand(cmd::Help);
    EXPECT_EQ(launcher.started,
              (QList<QStringList>{{"pavucontrol", "--tab=3"}, {"pavucontrol", "--tab=4"}}));
    EXPECT_EQ(desktop.opened, QStringList{program.path() + "Help/index.html"});
}

} // namespace

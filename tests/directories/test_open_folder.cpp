#include "tests/browser/MainWindowFixture.h"

#include "core/CommandIds.h"
#include "platform/SettingsStore.h"
#include "widgets/SortedListBox.h"

#include <QDir>

namespace {

// The "Add to Favorites?" prompt that follows has tests of its own.
class OpenFolderTest : public MainWindowFixture {
protected:
    OpenFolderTest() { settings::writeString("Show", "Atf", "0", program.dataFile()); }
};

TEST_F(OpenFolderTest, AFolderWithoutSoundsIsRefusedAndTheBrowserOpensAgain) {
    addSound("old");
    const QString empty = program.makeFolder("Empty");
    const QString other = program.makeFolder("Other Sounds");
    addSound("new one", {}, other);
    ui.answerFolder(empty).answer(MsgResult::Ok).answerFolder(other);
    window().onCommand(cmd::Open);
    ASSERT_EQ(ui.calls().size(), 3u);
    for (const size_t browse : {0u, 2u}) {
        EXPECT_EQ(ui.calls()[browse].kind, UiCall::Kind::Folder);
        EXPECT_EQ(ui.calls()[browse].text, QStringLiteral("Browse for folder to open in Tembrel"));
        EXPECT_EQ(ui.calls()[browse].startFolder, QStringLiteral("My Computer"));
    }
    EXPECT_EQ(
        ui.calls()[1].text,
        QStringLiteral("No *.wav files find.\nTembrel cannot open folder without *.wav files."));
    EXPECT_EQ(ui.calls()[1].caption, ui.appTitle());
    EXPECT_EQ(window().currentFolder(), other);
    EXPECT_EQ(listRows(), QStringList{"new one"});
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(other).canonicalPath());
}

TEST_F(OpenFolderTest, CancelKeepsTheFolderShown) {
    addSound("old");
    ui.answerFolder(std::nullopt);
    window().onCommand(cmd::Open);
    EXPECT_EQ(window().currentFolder(), program.library());
    EXPECT_EQ(listRows(), QStringList{"old"});
}

} // namespace

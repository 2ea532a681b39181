#include "core/CommandIds.h"
#include "directories/CAddFavoriteDlg.h"
#include "directories/CFavoritesDlg.h"
#include "directories/FavoritesCommand.h"
#include "directories/FavoritesList.h"
#include "tests/browser/MainWindowFixture.h"
#include "tests/directories/WhenModal.h"
#include "widgets/CIconButton.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>

namespace {

// The Favorites command and the "Add to Favorites?" prompt, wired into the real main window.
class FavoritesCommandTest : public MainWindowFixture {
protected:
    CFavoritesDlg& showFavorites() {
        window().onCommand(cmd::Favorites);
        return *assembly->favorites().dialog();
    }
    // Runs the main window's Open on folder and answers the prompt (if it comes) with action.
    bool openWithPrompt(const QString& folder, std::function<void(CAddFavoriteDlg&)> action) {
        ui.answerFolder(folder);
        bool asked = false;
        const auto watch = whenModal<CAddFavoriteDlg>([&asked, action](CAddFavoriteDlg& prompt) {
            asked = true;
            action(prompt);
        });
        window().onCommand(cmd::Open);
        return asked;
    }
    QString soundFolder(const QString& name) {
        const QString folder = program.makeFolder(name);
        addSound("tone", {}, folder);
        return folder;
    }
    DataFileSettings& settings() { return assembly->settings(); }
};

// The folder arrives after the window has stored and closed, without the prompt ("Atf" is 1).
TEST_F(FavoritesCommandTest, OpenThisFolderStopsPlaybackFirstAndTheMainWindowListsTheFolder) {
    addSound("main");
    const QString other = soundFolder("Other Sounds");
    ASSERT_TRUE(settings::writeStrings({{"User_Directories_Number", "User_Directories", "1"},
                                        {"User_Directory", "User_Directory1", other}},
                                       program.dataFile()));
    window().onCommand(cmd::Play);
    ASSERT_FALSE(playback.playing.isEmpty());
    CFavoritesDlg& favorites = showFavorites();
    EXPECT_TRUE(playback.playing.isEmpty());
    favorites.selectRow(1);
    favorites.onOpen();
    EXPECT_EQ(window().currentFolder(), program.library()) << "posted, not sent";
    QCoreApplication::processEvents();
    EXPECT_EQ(window().currentFolder(), other);
    EXPECT_EQ(listRows(), QStringList{"tone"});
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(FavoritesCommandTest, AFavoriteThatVanishedListsNothingAndSaysSo) {
    addSound("main");
    const QString gone = soundFolder("Gone");
    ASSERT_TRUE(settings::writeStrings({{"User_Directories_Number", "User_Directories", "1"},
                                        {"User_Directory", "User_Directory1", gone}},
                                       program.dataFile()));
    CFavoritesDlg& favorites = showFavorites();
    ASSERT_TRUE(QDir(gone).removeRecursively());
    favorites.selectRow(1);
    ui.answer(MsgResult::Ok);
    favorites.onOpen();
    QCoreApplication::processEvents();
    EXPECT_TRUE(listRows().isEmpty());
    ASSERT_EQ(ui.messageTexts().size(), 1);
    EXPECT_TRUE(ui.messageTexts()[0].contains(gone));
}

TEST_F(FavoritesCommandTest, PromptYesStoresTheFolderOnceAndATickedNoSwitchesThePromptOff) {
    addSound("main");
    const QString folder = soundFolder("Picked");
    const auto yes = [](CAddFavoriteDlg& prompt) { prompt.yesButton().click(); };
    EXPECT_TRUE(openWithPrompt(folder, yes));
    EXPECT_EQ(window().currentFolder(), folder);
    EXPECT_TRUE(openWithPrompt(folder, yes));
    EXPECT_EQ(favorites::read(settings()).folders, QStringList{folder}) << "stored once";
    EXPECT_TRUE(openWithPrompt(folder, [](CAddFavoriteDlg& prompt) {
        prompt.dontShowBox().click();
        prompt.noButton().click();
    }));
    EXPECT_EQ(settings().readString("Show", "Atf"), QStringLiteral("0"));
    EXPECT_FALSE(openWithPrompt(soundFolder("Next"), yes));
    EXPECT_EQ(listRows(), QStringList{"tone"});
    // Switched on again (as the options sheet does), the prompt returns.
    ASSERT_TRUE(settings().writeString("Show", "Atf", "1"));
    EXPECT_TRUE(openWithPrompt(folder, [](CAddFavoriteDlg& prompt) { prompt.reject(); }));
    EXPECT_EQ(settings().readString("Show", "Atf"), QStringLiteral("1"));
}

// A ticked box with "Yes, please" still adds: the user said yes to this folder.
TEST_F(FavoritesCommandTest, YesWithTheBoxTickedAddsAndSwitchesThePromptOff) {
    const QString folder = soundFolder("Picked");
    EXPECT_TRUE(openWithPrompt(folder, [](CAddFavoriteDlg& prompt) {
        prompt.dontShowBox().click();
        prompt.yesButton().click();
    }));
    EXPECT_EQ(favorites::read(settings()).folders, QStringList{folder});
    EXPECT_EQ(settings().readString("Show", "Atf"), QStringLiteral("0"));
}

} // namespace

#include "core/Settings.h"
#include "directories/CFavoritesDlg.h"
#include "directories/CNewDirDlg.h"
#include "directories/FavoritesList.h"
#include "tests/directories/WhenModal.h"
#include "tests/support/FakeUi.h"
#include "tests/support/TempProgramDir.h"
#include "tests/support/WavBytes.h"
#include "widgets/CHoverList.h"
#include "widgets/CIconButton.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QByteArray kThreeStored = "[Main_Directory]\nMaster_Directory=Library\n"
                                "[User_Directories_Number]\nUser_Directories=3\n"
                                "[User_Directory]\nUser_Directory1=/srv/b\n"
                                "User_Directory2=/srv/A\nUser_Directory3=/srv/c\n";

// The real Favorites window offscreen over a hand-made data file, with scripted boxes.
class FavoritesWindowTest : public ::testing::Test {
protected:
    explicit FavoritesWindowTest(const QByteArray& data = kThreeStored) : program(data) {}
    ~FavoritesWindowTest() override { EXPECT_TRUE(ui.allAnswersUsed()); }

    CFavoritesDlg& open() {
        dialog = std::make_unique<CFavoritesDlg>(ui, settings, settings);
        dialog->show();
        return *dialog;
    }
    QByteArray data() const {
        QFile file(program.dataFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString folderWithSound(const QString& name) {
        const QString folder = program.makeFolder(name);
        program.writeFile(folder + QStringLiteral("/one.wav"), makeWav({}));
        return folder;
    }

    TempProgramDir program;
    DataFileSettings settings{program.path()};
    FakeUi ui;
    std::unique_ptr<CFavoritesDlg> dialog;
};

TEST_F(FavoritesWindowTest, RemoveThenOpenStoresTheRestDenselyAndHandsOverTheFolder) {
    open();
    EXPECT_EQ(dialog->rows(), (QStringList{"<Main Library>", "/srv/A", "/srv/b", "/srv/c"}));
    dialog->selectRow(0);
    dialog->onRemove();
    EXPECT_EQ(dialog->rows().size(), 4);
    dialog->selectRow(2); // "/srv/b"
    dialog->onRemove();
    EXPECT_EQ(dialog->selectedRow(), 0);
    dialog->selectRow(2); // "/srv/c"
    QSignalSpy opened(dialog.get(), &CFavoritesDlg::openFavorite);
    dialog->onOpen();
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(dialog->chosenFolder(), QStringLiteral("/srv/c"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(data().endsWith("[User_Directories_Number]\nUser_Directories=2\n"
                                "[User_Directory]\nUser_Directory1=/srv/A\n"
                                "User_Directory2=/srv/c\nUser_Directory3=\n"));
}

TEST_F(FavoritesWindowTest, BrowseAddsFoldersWithSoundsAndCloseStoresNothing) {
    const QByteArray before = data();
    const QString sounds = folderWithSound("Odd ;$& 'q' <Grüße>");
    const QString empty = program.makeFolder("Empty");
    ui.answerFolder(empty).answer(MsgResult::Ok).answerFolder(sounds).answerFolder(sounds);
    open();
    dialog->onBrowse();
    EXPECT_EQ(ui.calls()[0].startFolder, QStringLiteral("/usr/share/sounds"));
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Add directory to list:"));
    EXPECT_EQ(ui.messageTexts(), QStringList{"No *.wav files find"});
    EXPECT_EQ(dialog->rows().size(), 4);
    dialog->onBrowse();
    dialog->onBrowse();
    EXPECT_EQ(dialog->rows().count(sounds), 2) << "no duplicate check";
    EXPECT_EQ(dialog->rows().at(dialog->selectedRow()), sounds);
    dialog->reject();
    EXPECT_EQ(data(), before);
}

TEST_F(FavoritesWindowTest, OpenKeepsWhatThePromptAddedWhileTheWindowWasOpen) {
    open();
    dialog->selectRow(1);
    dialog->onRemove();
    ASSERT_EQ(favorites::append(settings, "/srv/new"), favorites::AppendOutcome::Added);
    dialog->onOpen();
    EXPECT_EQ(favorites::read(settings).folders, (QStringList{"/srv/b", "/srv/c", "/srv/new"}));
    EXPECT_EQ(dialog->chosenFolder(), program.path() + QStringLiteral("Library"));
}

TEST_F(FavoritesWindowTest, AFailedSaveIsReportedAndTheWindowStaysWithItsRows) {
    open();
    const QByteArray before = data();
    ASSERT_TRUE(QFile::setPermissions(program.dataFile(), QFileDevice::ReadOwner));
    ui.answer(MsgResult::Ok);
    QSignalSpy opened(dialog.get(), &CFavoritesDlg::openFavorite);
    dialog->onOpen();
    EXPECT_EQ(ui.calls().back().icon, MsgIcon::Stop);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(data(), before);
}

TEST_F(FavoritesWindowTest, CreateNewMakesTheFolderListsItAndStoresItOnlyOnOpen) {
    const QString parent = program.makeFolder("Parent");
    ui.answerFolder(parent);
    open();
    const auto watch = whenModal<CNewDirDlg>([](CNewDirDlg& asked) {
        EXPECT_EQ(asked.windowTitle(), QStringLiteral(" New Directory Name"));
        asked.nameEdit().setText(QStringLiteral("New $ & ; 'one'"));
        asked.okButton().click();
    });
    const QByteArray before = data();
    dialog->onCreateNew();
    const QString made = parent + QStringLiteral("/New $ & ; 'one'");
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Folders/Drives:"));
    EXPECT_EQ(ui.calls()[0].startFolder, QStringLiteral("My Computer"));
    EXPECT_TRUE(QDir(made).exists());
    EXPECT_EQ(dialog->rows().at(dialog->selectedRow()), made);
    EXPECT_EQ(data(), before);
    dialog->onOpen();
    EXPECT_TRUE(favorites::read(settings).folders.contains(made));
}

TEST_F(FavoritesWindowTest, CreateNewFailuresAndPathsSayCannotCreateAndAnEmptyNameMakesNothing) {
    const QString parent = program.makeFolder("Parent");
    program.makeFolder("Parent/Taken");
    open();
    const QStringList rows = dialog->rows();
    const QString elsewhere = program.path() + "Elsewhere";
    for (const QString& name : QStringList{"Taken", "Missing/Child", elsewhere, "..", "../Out"}) {
        ui.answerFolder(parent).answer(MsgResult::Ok);
        const auto watch = whenModal<CNewDirDlg>([name](CNewDirDlg& asked) {
            asked.nameEdit().setText(name);
            asked.okButton().click();
        });
        dialog->onCreateNew();
        ASSERT_FALSE(ui.calls().empty());
        // A name that is a path is refused before anything is made outside the parent.
        const QString why = name == "Taken" ? QString()
                                            : "\n\n\"" + name +
                                                  "\" is not a folder name: a name cannot hold "
                                                  "\"/\" nor be \".\" or \"..\".";
        EXPECT_EQ(ui.calls().back().text, QStringLiteral("Cannot create directory") + why);
        EXPECT_EQ(ui.calls().back().caption, QStringLiteral("Error"));
        EXPECT_EQ(ui.calls().back().icon, MsgIcon::Stop);
    }
    ui.answerFolder(parent);
    const auto watch = whenModal<CNewDirDlg>([](CNewDirDlg& asked) { asked.okButton().click(); });
    dialog->onCreateNew();
    EXPECT_EQ(QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Taken"});
    EXPECT_FALSE(QFile::exists(elsewhere));
    EXPECT_FALSE(QFile::exists(program.path() + "Out"));
    EXPECT_EQ(dialog->rows(), rows);
}

class FavoritesGapTest : public FavoritesWindowTest {
protected:
    FavoritesGapTest()
        : FavoritesWindowTest("[User_Directories_Number]\nUser_Directories=4\n"
                              "[User_Directory]\nUser_Directory1=/srv/a\nUser_Directory2=\n"
                              "User_Directory4=/srv/d\n") {}
};

// The missing main directory opens nothing rather than a folder named after the error text.
TEST_F(FavoritesGapTest, EntriesAfterAGapAreShownAndAMissingMainDirectoryOpensNothing) {
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok);
    open();
    EXPECT_EQ(ui.messageTexts(), QStringList{settings::kMissing});
    EXPECT_EQ(dialog->rows(), (QStringList{"<Main Library>", "/srv/a", "/srv/d"}));
    QSignalSpy opened(dialog.get(), &CFavoritesDlg::openFavorite);
    dialog->selectRow(-1);
    dialog->onOpen();
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(dialog->chosenFolder(), QString());
    const favorites::Stored stored = favorites::read(settings);
    EXPECT_EQ(stored.count, 2);
    EXPECT_EQ(stored.folders, (QStringList{"/srv/a", "/srv/d"}));
}

} // namespace

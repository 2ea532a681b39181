#include "tests/operations/OperationsFixture.h"

#include "browser/CommandIds.h"
#include "operations/CNewFileNameDlg.h"
#include "platform/ProgramDirectory.h"
#include "platform/SettingsStore.h"
#include "widgets/CIconButton.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

using FileOperationsTest = OperationsFixture;

const QString kErrorCaption = QStringLiteral("Error");

TEST_F(FileOperationsTest, DeletePlaysTheSoundFirstThenAsksAndRemovesFileAndRow) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    select("b");
    ui.answer(MsgResult::Ok);
    window().onCommand(cmd::Delete);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Warning! File \"b.wav\" will be deleted!"));
    EXPECT_EQ(ui.calls()[0].caption, QStringLiteral("Confirm to delete file"));
    EXPECT_EQ(ui.calls()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(playback.played, QStringList{soundFile("b")}) << "heard before the question";
    EXPECT_TRUE(playback.openPath.isEmpty()) << "the player let go of the file";
    EXPECT_FALSE(QFile::exists(soundFile("b")));
    EXPECT_TRUE(QFile::exists(trashFolder() + "/files/b.wav")) << "restorable from the Trash";
    EXPECT_TRUE(QFile::exists(trashFolder() + "/info/b.wav.trashinfo"));
    EXPECT_EQ(listRows(), (QStringList{"a", "c"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("a")) << "the row before the deleted one";
}

TEST_F(FileOperationsTest, DroppedWavFilesAreInsertedWithInsertsRulesAndOtherFilesRefused) {
    addSound("a");
    const QString elsewhere = program.makeFolder("Elsewhere");
    const QString fresh = addMarkedSound("fresh", elsewhere);
    const QString taken = addMarkedSound("a", elsewhere);
    const QString text = pathhelp::join(elsewhere, "notes.txt");
    program.writeFile(text, "x");
    CTembrelDlg& w = window();
    ui.setDefaultAnswer(MsgResult::Ok);
    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(fresh), QUrl::fromLocalFile(text), QUrl::fromLocalFile(taken)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    EXPECT_EQ(listRows(), (QStringList{"a", "fresh"}));
    EXPECT_EQ(bytesOf(soundFile("fresh")), bytesOf(fresh));
    EXPECT_NE(bytesOf(soundFile("a")), bytesOf(taken)) << "never overwritten";
    ASSERT_EQ(ui.messageTexts().size(), 2);
    EXPECT_TRUE(ui.messageTexts()[0].startsWith("\"notes.txt\" is not a WAV sound"));
    EXPECT_NE(renameDialog(), nullptr) << "the taken name goes through New File Name";
}

TEST_F(FileOperationsTest, WithoutAUsableTrashDeleteRemovesTheFile) {
    addSound("a");
    program.writeFile(program.path() + "not-a-folder", "x");
    qputenv("XDG_DATA_HOME", QFile::encodeName(program.path() + "not-a-folder"));
    ui.answer(MsgResult::Ok);
    window().onCommand(cmd::Delete);
    EXPECT_FALSE(QFile::exists(soundFile("a")));
    EXPECT_EQ(listRows(), QStringList{});
}

TEST_F(FileOperationsTest, DeleteSelectsTheNewFirstOrThePreviousRowOrNothing) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    ui.setDefaultAnswer(MsgResult::Ok);
    select("a");
    window().onCommand(cmd::Delete);
    EXPECT_EQ(selectedRow(), QStringLiteral("b"));
    EXPECT_EQ(window().currentIndex(), 0);
    EXPECT_EQ(window().statusLine2(), QStringLiteral("Sound 1 from 2   "));
    select("c");
    window().onCommand(cmd::Delete);
    EXPECT_EQ(selectedRow(), QStringLiteral("b"));
    window().onCommand(cmd::Delete);
    EXPECT_EQ(window().list().count(), 0);
    EXPECT_EQ(window().list().curSel(), -1);
}

TEST_F(FileOperationsTest, CancelledDeleteChangesNothingAndTheSoundPlaysOn) {
    addSound("a");
    ui.answer(MsgResult::Cancel);
    window().onCommand(cmd::Delete);
    EXPECT_TRUE(QFile::exists(soundFile("a")));
    EXPECT_EQ(listRows(), QStringList{"a"});
    EXPECT_EQ(playback.playing, soundFile("a"));
}

TEST_F(FileOperationsTest, ARefusedDeleteSaysSoAndKeepsTheRow) {
    addSound("a");
    fakeFiles.refusedRemovals << soundFile("a");
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok);
    window().onCommand(cmd::Delete);
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].text, QStringLiteral("Delete error. File is not accessible"));
    EXPECT_EQ(ui.calls()[1].caption, kErrorCaption);
    EXPECT_EQ(ui.calls()[1].icon, MsgIcon::Stop);
    EXPECT_EQ(listRows(), QStringList{"a"});
    EXPECT_TRUE(QFile::exists(soundFile("a")));
}

TEST_F(FileOperationsTest, DeleteWithNothingSelectedAsksAboutANamelessFileAndFails) {
    window();
    ui.setDefaultAnswer(MsgResult::Ok);
    window().onCommand(cmd::Delete);
    EXPECT_EQ(ui.messageTexts(), (QStringList{"The specified file was not found.",
                                              "Warning! File \".wav\" will be deleted!",
                                              "Delete error. File is not accessible"}));
}

TEST_F(FileOperationsTest, InsertCopiesTheChosenFileAndListsItInItsSortedPlace) {
    addSound("bells");
    addSound("zebra");
    const QString other = program.makeFolder("Other");
    program.writeFile(other + "/Bell.WAV", makeWav({}));
    program.writeFile(other + "/a.b.wav", makeWav({}));
    ui.answerOpenFile(other + "/Bell.WAV").answerOpenFile(other + "/a.b.wav");
    window().list().setCurSel(1);
    window().onCommand(cmd::Insert);
    window().onCommand(cmd::Insert);
    const UiCall& request = ui.calls()[0];
    EXPECT_EQ(request.kind, UiCall::Kind::OpenFile);
    EXPECT_EQ(request.text, QStringLiteral("Add sound to collection"));
    EXPECT_EQ(request.startFolder, QStringLiteral("/usr/share/sounds")) << "empty default";
    EXPECT_EQ(bytesOf(program.library() + "/Bell.WAV"), makeWav({}));
    EXPECT_EQ(listRows(), (QStringList{"a.b", "Bell", "bells", "zebra"}));
    EXPECT_EQ(window().list().curSel(), 0) << "the list was refreshed";
}

TEST_F(FileOperationsTest, CancelledInsertStartsInTheStoredFolderAndOnlyRefreshes) {
    settings::writeString("Add From Directory", "Directory", "/some where/sounds",
                          program.dataFile());
    addSound("a");
    addSound("b");
    window().list().setCurSel(1);
    program.writeFile(soundFile("c"), makeWav({})); // appears with the refresh
    ui.answerOpenFile(std::nullopt);
    window().onCommand(cmd::Insert);
    EXPECT_EQ(ui.calls()[0].startFolder, QStringLiteral("/some where/sounds"));
    EXPECT_EQ(listRows(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(window().list().curSel(), 0);
}

TEST_F(FileOperationsTest, InsertingAListedNameKeepsTheOldSoundAndAsksForANewName) {
    const QString existing = addMarkedSound("Bell");
    const QByteArray before = bytesOf(existing);
    const QString chosen = addMarkedSound("BELL", program.makeFolder("Other"));
    ui.answerOpenFile(chosen).answer(MsgResult::Ok);
    window().onCommand(cmd::Insert);
    ASSERT_EQ(ui.messageTexts(),
              QStringList{"Sound with this name already exists.\nSpecify a different filename."});
    EXPECT_EQ(ui.calls()[1].caption, ui.appTitle());
    EXPECT_EQ(ui.calls()[1].icon, MsgIcon::None);
    EXPECT_EQ(bytesOf(existing), before);
    ASSERT_NE(renameDialog(), nullptr);
    EXPECT_EQ(renameDialog()->nameEdit().text(), QStringLiteral("BELL")) << "the new sound";

    answerRename("Bell two");
    EXPECT_EQ(bytesOf(soundFile("Bell two")), bytesOf(chosen));
    EXPECT_EQ(bytesOf(existing), before);
    EXPECT_EQ(listRows(), (QStringList{"Bell", "Bell two"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("Bell two"));
    EXPECT_EQ(window().statusLine2(), QStringLiteral("Sound 2 from 2   "));
}

TEST_F(FileOperationsTest, AnInsertUnderANameThatIsStillTakenCopiesNothing) {
    addMarkedSound("Bell");
    addMarkedSound("Drum");
    const QString chosen = addMarkedSound("Bell", program.makeFolder("Other"));
    ui.answerOpenFile(chosen).answer(MsgResult::Ok).answer(MsgResult::Ok);
    window().onCommand(cmd::Insert);
    const QByteArray drum = bytesOf(soundFile("Drum"));
    answerRename("drum");
    EXPECT_EQ(ui.messageTexts().last(),
              QStringLiteral("Rename error. Please choose another file name"));
    EXPECT_EQ(bytesOf(soundFile("Drum")), drum);
    EXPECT_FALSE(QFile::exists(soundFile("drum")));
}

TEST_F(FileOperationsTest, ARefusedInsertCopySaysSoAndNeverReplacesAnUnlistedFile) {
    addSound("a");
    const QString other = program.makeFolder("Other");
    program.writeFile(other + "/notes.txt", "new");
    program.writeFile(program.library() + "/notes.txt", "old, not a sound");
    ui.answerOpenFile(other + "/notes.txt").answer(MsgResult::Ok);
    window().onCommand(cmd::Insert);
    EXPECT_EQ(ui.messageTexts(), QStringList{"Insert error. Cannot copy this file!"});
    EXPECT_EQ(ui.calls()[1].caption, kErrorCaption);
    EXPECT_EQ(bytesOf(program.library() + "/notes.txt"), QByteArray("old, not a sound"));
}

TEST_F(FileOperationsTest, RenameOffersTheSelectedNameAndRenamesTheFileOnOk) {
    addSound("a");
    const QString old = addMarkedSound("b");
    const QByteArray bytes = bytesOf(old);
    select("b");
    window().onCommand(cmd::Play);
    window().onCommand(cmd::Rename);
    EXPECT_TRUE(playback.openPath.isEmpty()) << "stopped and closed before the dialog";
    CNewFileNameDlg* dialog = renameDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" New File Name"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->nameEdit().selectedText(), QStringLiteral("b"));

    answerRename("c d");
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(bytesOf(soundFile("c d")), bytes);
    EXPECT_EQ(listRows(), (QStringList{"a", "c d"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("c d"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(FileOperationsTest, AnEmptyNameOrCancelRenamesNothing) {
    addSound("a");
    window().onCommand(cmd::Rename);
    answerRename("");
    window().onCommand(cmd::Rename);
    renameDialog()->nameEdit().setText("x");
    renameDialog()->cancelButton().click();
    QCoreApplication::processEvents();
    EXPECT_EQ(listRows(), QStringList{"a"});
    EXPECT_TRUE(QFile::exists(soundFile("a")));
    EXPECT_FALSE(QFile::exists(soundFile("x")));
}

TEST_F(FileOperationsTest, RenamingOntoAnotherSoundLeavesBothFilesAsTheyWere) {
    const QString a = addMarkedSound("a");
    const QString b = addMarkedSound("b");
    const QByteArray aBytes = bytesOf(a), bBytes = bytesOf(b);
    ui.setDefaultAnswer(MsgResult::Ok);
    for (const char* taken : {"b", "B", "../escape", "sub/dir"}) {
        select("a");
        window().onCommand(cmd::Rename);
        answerRename(QString::fromUtf8(taken));
    }
    for (const UiCall& call : ui.calls()) {
        EXPECT_EQ(call.text, QStringLiteral("Rename error. Please choose another file name"));
        EXPECT_EQ(call.caption, kErrorCaption);
        EXPECT_EQ(call.icon, MsgIcon::None);
    }
    EXPECT_EQ(ui.calls().size(), 4u);
    EXPECT_EQ(bytesOf(a), aBytes);
    EXPECT_EQ(bytesOf(b), bBytes);
    EXPECT_FALSE(QFile::exists(program.path() + "escape.wav"));
    EXPECT_EQ(listRows(), (QStringList{"a", "b"}));
}

TEST_F(FileOperationsTest, OnlyTheLetterCaseOfANameCanChange) {
    const QString old = addMarkedSound("bell");
    const QByteArray bytes = bytesOf(old);
    window().onCommand(cmd::Rename);
    answerRename("Bell");
    EXPECT_EQ(bytesOf(soundFile("Bell")), bytes);
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(listRows(), QStringList{"Bell"});
}

TEST_F(FileOperationsTest, ARenameTheFileSystemRefusesKeepsTheOldFile) {
    const QString old = addMarkedSound("a");
    fakeFiles.refusedCopies << soundFile("what?");
    ui.answer(MsgResult::Ok);
    window().onCommand(cmd::Rename);
    answerRename("what?");
    EXPECT_EQ(ui.messageTexts(), QStringList{"Rename error. Please choose another file name"});
    EXPECT_TRUE(QFile::exists(old));
    EXPECT_EQ(listRows(), QStringList{"a"});
}

TEST_F(FileOperationsTest, AnUndeletableOldFileLeavesNoSecondCopyBehind) {
    const QString old = addMarkedSound("a");
    const QByteArray bytes = bytesOf(old);
    fakeFiles.refusedRemovals << old;
    ui.answer(MsgResult::Ok);
    window().onCommand(cmd::Rename);
    answerRename("b");
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Rename error. Cannot rename this file!"));
    EXPECT_EQ(ui.calls()[0].caption, kErrorCaption);
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Stop);
    EXPECT_EQ(bytesOf(old), bytes);
    EXPECT_FALSE(QFile::exists(soundFile("b")));
    EXPECT_EQ(listRows(), QStringList{"a"});
}

TEST_F(FileOperationsTest, RenameActsOnTheSoundTheDialogWasOpenedFor) {
    addSound("a");
    const QString b = addMarkedSound("b");
    const QByteArray bytes = bytesOf(b);
    select("a");
    window().onCommand(cmd::Rename);
    select("b");
    window().onCommand(cmd::Rename); // replaces the open dialog
    EXPECT_EQ(renameDialog()->nameEdit().text(), QStringLiteral("b"));
    select("a"); // the dialog is modeless: another row may be selected before OK
    answerRename("c");
    EXPECT_EQ(listRows(), (QStringList{"a", "c"}));
    EXPECT_EQ(bytesOf(soundFile("c")), bytes);
    EXPECT_TRUE(QFile::exists(soundFile("a")));
}

TEST_F(FileOperationsTest, RenameOfASoundThatWentAwaySaysSoAndRenamesNothing) {
    addSound("a");
    addSound("b");
    select("b");
    window().onCommand(cmd::Rename);
    QFile::remove(soundFile("b"));
    select("a");
    ui.answer(MsgResult::Ok);
    answerRename("c");
    EXPECT_EQ(ui.messageTexts(),
              QStringList{"Rename error. File \"b.wav\" is no longer there. Nothing was renamed."});
    EXPECT_TRUE(QFile::exists(soundFile("a")));
    EXPECT_FALSE(QFile::exists(soundFile("c")));
    EXPECT_EQ(listRows(), (QStringList{"a", "b"}));
}

TEST_F(FileOperationsTest, CopiesKeepModeAndTimeAndNamesUpToTheFileSystemLimitWork) {
    const QString old = addMarkedSound("old");
    const QByteArray oldPath = QFile::encodeName(old);
    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, oldPath.constData(), times, 0), 0);
    ASSERT_EQ(::chmod(oldPath.constData(), 0444), 0);
    const QString longName(251, QLatin1Char('x')); // 255 bytes with ".wav"
    window().onCommand(cmd::Rename);
    answerRename(longName);
    ASSERT_TRUE(QFile::exists(soundFile(longName))) << ui.messageTexts().join('|').toStdString();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(soundFile(longName)).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);

    const QString target = program.makeFolder("Target");
    ui.answerFolder(target);
    window().onCommand(cmd::CopyTo);
    EXPECT_TRUE(QFile::exists(target + "/" + longName + ".wav"));
    ::chmod(QFile::encodeName(soundFile(longName)).constData(), 0644);
}

TEST_F(FileOperationsTest, CopyToReplacesAFileOfThatNameInTheChosenFolder) {
    const QString target = program.makeFolder("Target dir");
    settings::writeString("Copy To Directory", "Directory", target, program.dataFile());
    const QString source = addMarkedSound("b");
    addSound("a");
    program.writeFile(target + "/b.wav", "older");
    select("b");
    ui.answerFolder(target);
    window().onCommand(cmd::CopyTo);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].kind, UiCall::Kind::Folder);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Copy file b.wav to:"));
    EXPECT_EQ(ui.calls()[0].startFolder, target);
    EXPECT_EQ(bytesOf(target + "/b.wav"), bytesOf(source));
    EXPECT_EQ(listRows(), (QStringList{"a", "b"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("b"));
}

TEST_F(FileOperationsTest, CancelledOrRefusedCopyToLeavesTheDestinationAsItWas) {
    addSound("a");
    const QString target = program.makeFolder("Target");
    program.writeFile(target + "/a.wav", "older");
    fakeFiles.refusedCopies << target + "/a.wav";
    ui.answerFolder(std::nullopt).answerFolder(target).answer(MsgResult::Ok);
    window().onCommand(cmd::CopyTo);
    EXPECT_EQ(ui.calls().size(), 1u) << "a cancel shows nothing";
    EXPECT_EQ(ui.calls()[0].startFolder, QStringLiteral("/usr/share/sounds"));
    window().onCommand(cmd::CopyTo);
    EXPECT_EQ(ui.messageTexts(), QStringList{"Rename error. Illegal filename!"});
    EXPECT_EQ(ui.calls().back().caption, kErrorCaption);
    EXPECT_EQ(ui.calls().back().icon, MsgIcon::Stop);
    EXPECT_EQ(bytesOf(target + "/a.wav"), QByteArray("older"));
}

TEST_F(FileOperationsTest, CopyToTheCurrentFolderItselfIsRefusedAndLosesNothing) {
    const QString a = addMarkedSound("a");
    const QByteArray bytes = bytesOf(a);
    ui.answerFolder(program.library()).answer(MsgResult::Ok);
    window().onCommand(cmd::CopyTo);
    EXPECT_EQ(ui.messageTexts(), QStringList{"Rename error. Illegal filename!"});
    EXPECT_EQ(bytesOf(a), bytes);
}

// Every operation takes names as they are: no shell, no splitting, no option parsing.
TEST_F(FileOperationsTest, AwkwardNamesWorkInEveryOperation) {
    const QStringList names{"with blank",   "quote\"d 'x'", "semi;colon",
                            "$HOME & <in>", "Grüße ñ 音",   "-leading dash"};
    const QString other = program.makeFolder("Other");
    const QString target = program.makeFolder("Target");
    window();
    ui.setDefaultAnswer(MsgResult::Ok);
    for (const QString& name : names) {
        const QString source = addMarkedSound(name, other);
        ui.answerOpenFile(source);
        window().onCommand(cmd::Insert);
        ASSERT_EQ(bytesOf(soundFile(name)), bytesOf(source)) << name.toStdString();
        select(name);
        window().onCommand(cmd::Rename);
        answerRename(name + " 2");
        ASSERT_EQ(bytesOf(soundFile(name + " 2")), bytesOf(source)) << name.toStdString();
        ui.answerFolder(target);
        window().onCommand(cmd::CopyTo);
        EXPECT_EQ(bytesOf(target + "/" + name + " 2.wav"), bytesOf(source));
        launcher.started.clear();
        window().onCommand(cmd::EditSound);
        EXPECT_EQ(launcher.started.value(0).value(1), soundFile(name + " 2"));
        window().onCommand(cmd::Delete);
        EXPECT_FALSE(QFile::exists(soundFile(name + " 2"))) << name.toStdString();
    }
    EXPECT_EQ(ui.messageTexts().filter("error", Qt::CaseInsensitive), QStringList{});
    EXPECT_EQ(window().list().count(), 0);
}

} // namespace

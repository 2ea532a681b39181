#include "files/FileOperations.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/FakeFolderBrowser.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeUi.h"
#include "tests/support/TempProgramDir.h"
#include "tests/support/WavBytes.h"
#include "tools/ExternalTools.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kErrorCaption = QStringLiteral("Error");
const QString kRenameRefused = QStringLiteral("Rename error. Please choose another file name");

// Delete, Insert, Rename and Copy to over the main directory of a temporary program
// directory, listed in a plain list; deleted sounds go to a Trash inside it.
class FileOperationsTest : public ::testing::Test {
protected:
    FileOperationsTest() : m_savedDataHome(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(program.makeFolder("xdg-data")));
    }
    ~FileOperationsTest() override {
        if (m_savedDataHome.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_savedDataHome);
    }

    QString addSound(const QString& name, const QString& folder = {}) {
        const QString path =
            pathhelp::join(folder.isEmpty() ? program.library() : folder, name + ".wav");
        program.writeFile(path, makeWav({}));
        return path;
    }
    // A WAV file with its own bytes (the name is part of its data), for telling copies apart.
    QString addMarkedSound(const QString& name, const QString& folder = {}) {
        WavSpec spec;
        spec.chunksBeforeFmt = makeChunk("note", name.toUtf8());
        const QString path =
            pathhelp::join(folder.isEmpty() ? program.library() : folder, name + ".wav");
        program.writeFile(path, makeWav(spec));
        return path;
    }
    QString soundFile(const QString& name) const {
        return pathhelp::soundPath(program.library(), name);
    }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Lists the main directory as the window does at start.
    void listFolder() { browser.refreshList(); }
    void select(const QString& name) {
        list.selected = static_cast<int>(list.rows.indexOf(name));
        ASSERT_GE(list.selected, 0) << name.toStdString();
    }
    QString selectedRow() const { return list.row(list.selected).name; }
    // Rename on the selected sound, answered with name in the New File Name dialog.
    void rename(const QString& name) { operations.finishRename(operations.beginRename(), name); }
    QString trashFolder() const { return program.path() + "xdg-data/Trash"; }

    TempProgramDir program;
    FakeUi ui;
    FakePlaybackDevice playback;
    FakeSoundPlayer sounds;
    FakeFileSystem files;
    DataFileSettings settings{program.path()};
    CWavePlayer player{playback, sounds, ui};
    FakeSoundList list;
    FakeFolderBrowser browser{list, player, program.library()};
    FileOperations operations{ui, files, player, list, browser, settings};

private:
    QByteArray m_savedDataHome;
};

TEST_F(FileOperationsTest, DeletePlaysTheSoundFirstThenAsksAndRemovesFileAndRow) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    listFolder();
    select("b");
    ui.answer(MsgResult::Ok);
    operations.deleteSound();
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Warning! File \"b.wav\" will be deleted!"));
    EXPECT_EQ(ui.calls()[0].caption, QStringLiteral("Confirm to delete file"));
    EXPECT_EQ(ui.calls()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(playback.played, QStringList{soundFile("b")}) << "heard before the question";
    EXPECT_TRUE(playback.openPath.isEmpty()) << "the player let go of the file";
    EXPECT_FALSE(QFile::exists(soundFile("b")));
    EXPECT_TRUE(QFile::exists(trashFolder() + "/files/b.wav")) << "restorable from the Trash";
    EXPECT_TRUE(QFile::exists(trashFolder() + "/info/b.wav.trashinfo"));
    EXPECT_EQ(list.rows, (QStringList{"a", "c"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("a")) << "the row before the deleted one";
}

// Other desktops restore a trashed file to the URL-unescaped Path= of its .trashinfo.
TEST_F(FileOperationsTest, TheTrashNotesWhereASoundCameFromEscaped) {
    const QString folder = program.makeFolder("Odd %41 & é");
    const QString sound = addSound("a%41b", folder);
    ASSERT_TRUE(LocalFileSystem().trashFile(sound));
    QFile info(trashFolder() + "/info/a%41b.wav.trashinfo");
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    const QByteArray text = info.readAll();
    EXPECT_TRUE(text.contains("\nPath=" + QFile::encodeName(sound).toPercentEncoding("/") + "\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("%2541b.wav\n"));
}

TEST_F(FileOperationsTest, DroppedWavFilesAreInsertedWithInsertsRulesAndOtherFilesRefused) {
    addSound("a");
    listFolder();
    const QString elsewhere = program.makeFolder("Elsewhere");
    const QString fresh = addMarkedSound("fresh", elsewhere);
    const QString taken = addMarkedSound("a", elsewhere);
    const QString text = pathhelp::join(elsewhere, "notes.txt");
    program.writeFile(text, "x");
    ui.setDefaultAnswer(MsgResult::Ok);
    const std::optional<RenameRequest> request = operations.insertDropped({fresh, text, taken});
    EXPECT_EQ(list.rows, (QStringList{"a", "fresh"}));
    EXPECT_EQ(bytesOf(soundFile("fresh")), bytesOf(fresh));
    EXPECT_NE(bytesOf(soundFile("a")), bytesOf(taken)) << "never overwritten";
    ASSERT_EQ(ui.messageTexts().size(), 2);
    EXPECT_EQ(ui.messageTexts()[0],
              "\"notes.txt\" is not a WAV sound (.wav): only WAV sounds can be inserted.");
    ASSERT_TRUE(request) << "the taken name goes through New File Name";
    EXPECT_EQ(request->insertSource, taken);
}

TEST_F(FileOperationsTest, WithoutAUsableTrashDeleteRemovesTheFile) {
    addSound("a");
    listFolder();
    program.writeFile(program.path() + "not-a-folder", "x");
    qputenv("XDG_DATA_HOME", QFile::encodeName(program.path() + "not-a-folder"));
    ui.answer(MsgResult::Ok);
    operations.deleteSound();
    EXPECT_FALSE(QFile::exists(soundFile("a")));
    EXPECT_EQ(list.rows, QStringList{});
}

TEST_F(FileOperationsTest, DeleteSelectsTheNewFirstOrThePreviousRowOrNothing) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    listFolder();
    ui.setDefaultAnswer(MsgResult::Ok);
    select("a");
    operations.deleteSound();
    EXPECT_EQ(selectedRow(), QStringLiteral("b"));
    select("c");
    operations.deleteSound();
    EXPECT_EQ(selectedRow(), QStringLiteral("b"));
    operations.deleteSound();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.selectedRow(), -1);
}

TEST_F(FileOperationsTest, CancelledDeleteChangesNothingAndTheSoundPlaysOn) {
    addSound("a");
    listFolder();
    ui.answer(MsgResult::Cancel);
    operations.deleteSound();
    EXPECT_TRUE(QFile::exists(soundFile("a")));
    EXPECT_EQ(list.rows, QStringList{"a"});
    EXPECT_EQ(playback.playing, soundFile("a"));
}

TEST_F(FileOperationsTest, ARefusedDeleteSaysSoAndKeepsTheRow) {
    addSound("a");
    listFolder();
    files.refusedRemovals << soundFile("a");
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok);
    operations.deleteSound();
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].text, QStringLiteral("Delete error. File is not accessible"));
    EXPECT_EQ(ui.calls()[1].caption, kErrorCaption);
    EXPECT_EQ(ui.calls()[1].icon, MsgIcon::Stop);
    EXPECT_EQ(list.rows, QStringList{"a"});
    EXPECT_TRUE(QFile::exists(soundFile("a")));
}

TEST_F(FileOperationsTest, DeleteWithNothingSelectedAsksNothingAndKeepsANamelessFile) {
    program.writeFile(program.library() + "/.wav", makeWav({}));
    listFolder();
    list.selected = -1;
    ui.setDefaultAnswer(MsgResult::Ok);
    operations.deleteSound();
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_TRUE(playback.played.isEmpty());
    EXPECT_TRUE(QFile::exists(program.library() + "/.wav"));
}

TEST_F(FileOperationsTest, InsertCopiesTheChosenFileAndListsItInItsSortedPlace) {
    addSound("bells");
    addSound("zebra");
    listFolder();
    const QString other = program.makeFolder("Other");
    program.writeFile(other + "/Bell.WAV", makeWav({}));
    program.writeFile(other + "/a.b.wav", makeWav({}));
    ui.answerOpenFile(other + "/Bell.WAV").answerOpenFile(other + "/a.b.wav");
    list.selected = 1;
    EXPECT_FALSE(operations.insertSound());
    EXPECT_FALSE(operations.insertSound());
    const UiCall& request = ui.calls()[0];
    EXPECT_EQ(request.kind, UiCall::Kind::OpenFile);
    EXPECT_EQ(request.text, QStringLiteral("Add sound to collection"));
    EXPECT_EQ(request.startFolder, QStringLiteral("/usr/share/sounds")) << "empty default";
    EXPECT_EQ(bytesOf(program.library() + "/Bell.WAV"), makeWav({}));
    EXPECT_EQ(list.rows, (QStringList{"a.b", "Bell", "bells", "zebra"}));
    EXPECT_EQ(list.selectedRow(), 0) << "the list was refreshed";
}

TEST_F(FileOperationsTest, CancelledInsertStartsInTheStoredFolderAndOnlyRefreshes) {
    settings.writeString("Add From Directory", "Directory", "/some where/sounds");
    addSound("a");
    addSound("b");
    listFolder();
    list.selected = 1;
    program.writeFile(soundFile("c"), makeWav({})); // appears with the refresh
    ui.answerOpenFile(std::nullopt);
    EXPECT_FALSE(operations.insertSound());
    EXPECT_EQ(ui.calls()[0].startFolder, QStringLiteral("/some where/sounds"));
    EXPECT_EQ(list.rows, (QStringList{"a", "b", "c"}));
    EXPECT_EQ(list.selectedRow(), 0);
}

TEST_F(FileOperationsTest, InsertingAListedNameKeepsTheOldSoundAndAsksForANewName) {
    const QString existing = addMarkedSound("Bell");
    listFolder();
    const QByteArray before = bytesOf(existing);
    const QString chosen = addMarkedSound("BELL", program.makeFolder("Other"));
    ui.answerOpenFile(chosen).answer(MsgResult::Ok);
    const std::optional<RenameRequest> request = operations.insertSound();
    ASSERT_EQ(ui.messageTexts(),
              QStringList{"Sound with this name already exists.\nSpecify a different filename."});
    EXPECT_EQ(ui.calls()[1].caption, ui.appTitle());
    EXPECT_EQ(ui.calls()[1].icon, MsgIcon::None);
    EXPECT_EQ(bytesOf(existing), before);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->initialName, QStringLiteral("BELL")) << "the new sound";

    operations.finishRename(*request, "Bell two");
    EXPECT_EQ(bytesOf(soundFile("Bell two")), bytesOf(chosen));
    EXPECT_EQ(bytesOf(existing), before);
    EXPECT_EQ(list.rows, (QStringList{"Bell", "Bell two"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("Bell two"));
}

TEST_F(FileOperationsTest, AnInsertUnderANameThatIsStillTakenCopiesNothing) {
    addMarkedSound("Bell");
    addMarkedSound("Drum");
    listFolder();
    const QString chosen = addMarkedSound("Bell", program.makeFolder("Other"));
    ui.answerOpenFile(chosen).answer(MsgResult::Ok).answer(MsgResult::Ok);
    const std::optional<RenameRequest> request = operations.insertSound();
    ASSERT_TRUE(request);
    const QByteArray drum = bytesOf(soundFile("Drum"));
    operations.finishRename(*request, "drum");
    EXPECT_EQ(ui.messageTexts().last(), kRenameRefused);
    EXPECT_EQ(bytesOf(soundFile("Drum")), drum);
    EXPECT_FALSE(QFile::exists(soundFile("drum")));
}

TEST_F(FileOperationsTest, ARefusedInsertCopySaysSoAndNeverReplacesAnUnlistedFile) {
    addSound("a");
    listFolder();
    const QString other = program.makeFolder("Other");
    program.writeFile(other + "/notes.txt", "new");
    program.writeFile(program.library() + "/notes.txt", "old, not a sound");
    ui.answerOpenFile(other + "/notes.txt").answer(MsgResult::Ok);
    operations.insertSound();
    EXPECT_EQ(ui.messageTexts(), QStringList{"Insert error. Cannot copy this file!"});
    EXPECT_EQ(ui.calls()[1].caption, kErrorCaption);
    EXPECT_EQ(bytesOf(program.library() + "/notes.txt"), QByteArray("old, not a sound"));
}

TEST_F(FileOperationsTest, RenameLetsGoOfTheSoundOffersItsNameAndRenamesTheFile) {
    addSound("a");
    const QString old = addMarkedSound("b");
    listFolder();
    const QByteArray bytes = bytesOf(old);
    select("b");
    browser.playCurrent();
    const RenameRequest request = operations.beginRename();
    EXPECT_TRUE(playback.openPath.isEmpty()) << "stopped and closed before the dialog";
    EXPECT_EQ(request.initialName, QStringLiteral("b"));

    operations.finishRename(request, "c d");
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(bytesOf(soundFile("c d")), bytes);
    EXPECT_EQ(list.rows, (QStringList{"a", "c d"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("c d"));
}

TEST_F(FileOperationsTest, AnEmptyNameRenamesNothing) {
    addSound("a");
    listFolder();
    rename("");
    EXPECT_EQ(list.rows, QStringList{"a"});
    EXPECT_TRUE(QFile::exists(soundFile("a")));
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(FileOperationsTest, RenamingOntoAnotherSoundLeavesBothFilesAsTheyWere) {
    const QString a = addMarkedSound("a");
    const QString b = addMarkedSound("b");
    listFolder();
    const QByteArray aBytes = bytesOf(a), bBytes = bytesOf(b);
    ui.setDefaultAnswer(MsgResult::Ok);
    for (const char* taken : {"b", "B", "../escape", "sub/dir"}) {
        select("a");
        rename(QString::fromUtf8(taken));
    }
    for (const UiCall& call : ui.calls()) {
        EXPECT_EQ(call.text, kRenameRefused);
        EXPECT_EQ(call.caption, kErrorCaption);
        EXPECT_EQ(call.icon, MsgIcon::None);
    }
    EXPECT_EQ(ui.calls().size(), 4u);
    EXPECT_EQ(bytesOf(a), aBytes);
    EXPECT_EQ(bytesOf(b), bBytes);
    EXPECT_FALSE(QFile::exists(program.path() + "escape.wav"));
    EXPECT_EQ(list.rows, (QStringList{"a", "b"}));
}

TEST_F(FileOperationsTest, OnlyTheLetterCaseOfANameCanChange) {
    const QString old = addMarkedSound("bell");
    listFolder();
    const QByteArray bytes = bytesOf(old);
    rename("Bell");
    EXPECT_EQ(bytesOf(soundFile("Bell")), bytes);
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(list.rows, QStringList{"Bell"});
}

TEST_F(FileOperationsTest, ARenameTheFileSystemRefusesKeepsTheOldFile) {
    const QString old = addMarkedSound("a");
    listFolder();
    files.refusedCopies << soundFile("what?");
    ui.answer(MsgResult::Ok);
    rename("what?");
    EXPECT_EQ(ui.messageTexts(), QStringList{kRenameRefused});
    EXPECT_TRUE(QFile::exists(old));
    EXPECT_EQ(list.rows, QStringList{"a"});
}

TEST_F(FileOperationsTest, AnUndeletableOldFileLeavesNoSecondCopyBehind) {
    const QString old = addMarkedSound("a");
    listFolder();
    const QByteArray bytes = bytesOf(old);
    files.refusedRemovals << old;
    ui.answer(MsgResult::Ok);
    rename("b");
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Rename error. Cannot rename this file!"));
    EXPECT_EQ(ui.calls()[0].caption, kErrorCaption);
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Stop);
    EXPECT_EQ(bytesOf(old), bytes);
    EXPECT_FALSE(QFile::exists(soundFile("b")));
    EXPECT_EQ(list.rows, QStringList{"a"});
}

TEST_F(FileOperationsTest, RenameActsOnTheSoundTheDialogWasOpenedFor) {
    addSound("a");
    const QString b = addMarkedSound("b");
    listFolder();
    const QByteArray bytes = bytesOf(b);
    select("b");
    const RenameRequest request = operations.beginRename();
    select("a"); // the dialog is modeless: another row may be selected before OK
    operations.finishRename(request, "c");
    EXPECT_EQ(list.rows, (QStringList{"a", "c"}));
    EXPECT_EQ(bytesOf(soundFile("c")), bytes);
    EXPECT_TRUE(QFile::exists(soundFile("a")));
}

TEST_F(FileOperationsTest, RenameOfASoundThatWentAwaySaysSoAndRenamesNothing) {
    addSound("a");
    addSound("b");
    listFolder();
    select("b");
    const RenameRequest request = operations.beginRename();
    QFile::remove(soundFile("b"));
    select("a");
    ui.answer(MsgResult::Ok);
    operations.finishRename(request, "c");
    EXPECT_EQ(ui.messageTexts(),
              QStringList{"Rename error. File \"b.wav\" is no longer there. Nothing was renamed."});
    EXPECT_TRUE(QFile::exists(soundFile("a")));
    EXPECT_FALSE(QFile::exists(soundFile("c")));
    EXPECT_EQ(list.rows, (QStringList{"a", "b"}));
}

TEST_F(FileOperationsTest, CopiesKeepModeAndTimeAndNamesUpToTheFileSystemLimitWork) {
    const QString old = addMarkedSound("old");
    listFolder();
    const QByteArray oldPath = QFile::encodeName(old);
    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, oldPath.constData(), times, 0), 0);
    ASSERT_EQ(::chmod(oldPath.constData(), 0444), 0);
    const QString longName(251, QLatin1Char('x')); // 255 bytes with ".wav"
    rename(longName);
    ASSERT_TRUE(QFile::exists(soundFile(longName))) << ui.messageTexts().join('|').toStdString();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(soundFile(longName)).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);

    const QString target = program.makeFolder("Target");
    ui.answerFolder(target);
    operations.copySoundTo();
    EXPECT_TRUE(QFile::exists(target + "/" + longName + ".wav"));
    ::chmod(QFile::encodeName(soundFile(longName)).constData(), 0644);
}

TEST_F(FileOperationsTest, CopyToReplacesAFileOfThatNameInTheChosenFolder) {
    const QString target = program.makeFolder("Target dir");
    settings.writeString("Copy To Directory", "Directory", target);
    const QString source = addMarkedSound("b");
    addSound("a");
    listFolder();
    program.writeFile(target + "/b.wav", "older");
    select("b");
    ui.answerFolder(target);
    operations.copySoundTo();
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].kind, UiCall::Kind::Folder);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Copy file b.wav to:"));
    EXPECT_EQ(ui.calls()[0].startFolder, target);
    EXPECT_EQ(bytesOf(target + "/b.wav"), bytesOf(source));
    EXPECT_EQ(list.rows, (QStringList{"a", "b"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("b"));
}

TEST_F(FileOperationsTest, CancelledOrRefusedCopyToLeavesTheDestinationAsItWas) {
    addSound("a");
    listFolder();
    const QString target = program.makeFolder("Target");
    program.writeFile(target + "/a.wav", "older");
    files.refusedCopies << target + "/a.wav";
    ui.answerFolder(std::nullopt).answerFolder(target).answer(MsgResult::Ok);
    operations.copySoundTo();
    EXPECT_EQ(ui.calls().size(), 1u) << "a cancel shows nothing";
    EXPECT_EQ(ui.calls()[0].startFolder, QStringLiteral("/usr/share/sounds"));
    operations.copySoundTo();
    EXPECT_EQ(ui.messageTexts(), QStringList{"Rename error. Illegal filename!"});
    EXPECT_EQ(ui.calls().back().caption, kErrorCaption);
    EXPECT_EQ(ui.calls().back().icon, MsgIcon::Stop);
    EXPECT_EQ(bytesOf(target + "/a.wav"), QByteArray("older"));
}

TEST_F(FileOperationsTest, CopyToTheCurrentFolderItselfIsRefusedAndLosesNothing) {
    const QString a = addMarkedSound("a");
    listFolder();
    const QByteArray bytes = bytesOf(a);
    ui.answerFolder(program.library()).answer(MsgResult::Ok);
    operations.copySoundTo();
    EXPECT_EQ(ui.messageTexts(), QStringList{"Rename error. Illegal filename!"});
    EXPECT_EQ(bytesOf(a), bytes);
}

// Every operation takes names as they are: no shell, no splitting, no option parsing.
TEST_F(FileOperationsTest, AwkwardNamesWorkInEveryOperation) {
    FakeLauncher launcher;
    FakeDesktop desktop;
    ExternalTools tools{ui, launcher, desktop, player, list, browser, settings, settings};
    const QStringList names{"with blank",   "quote\"d 'x'", "semi;colon",
                            "$HOME & <in>", "Grüße ñ 音",   "-leading dash"};
    const QString other = program.makeFolder("Other");
    const QString target = program.makeFolder("Target");
    listFolder();
    ui.setDefaultAnswer(MsgResult::Ok);
    for (const QString& name : names) {
        const QString source = addMarkedSound(name, other);
        ui.answerOpenFile(source);
        operations.insertSound();
        ASSERT_EQ(bytesOf(soundFile(name)), bytesOf(source)) << name.toStdString();
        select(name);
        rename(name + " 2");
        ASSERT_EQ(bytesOf(soundFile(name + " 2")), bytesOf(source)) << name.toStdString();
        ui.answerFolder(target);
        operations.copySoundTo();
        EXPECT_EQ(bytesOf(target + "/" + name + " 2.wav"), bytesOf(source));
        launcher.started.clear();
        tools.editSound(QStringLiteral("wave-editor"));
        EXPECT_EQ(launcher.started.value(0).value(1), soundFile(name + " 2"));
        operations.deleteSound();
        EXPECT_FALSE(QFile::exists(soundFile(name + " 2"))) << name.toStdString();
    }
    EXPECT_EQ(ui.messageTexts().filter("error", Qt::CaseInsensitive), QStringList{});
    EXPECT_EQ(list.rowCount(), 0);
}

} // namespace

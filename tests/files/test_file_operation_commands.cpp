#include "tests/files/OperationsFixture.h"

#include "core/CommandIds.h"
#include "files/CNewFileNameDlg.h"
#include "widgets/CIconButton.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

// What the main window shows of the file operations; the operations themselves are tested
// over the logic library in test_file_operations.
namespace {

using FileOperationCommands = OperationsFixture;

TEST_F(FileOperationCommands, StatusLinesFollowTheRowsAfterDeleteAndAnInsertUnderANewName) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    ui.setDefaultAnswer(MsgResult::Ok);
    select("a");
    window().onCommand(cmd::Delete);
    EXPECT_EQ(selectedRow(), QStringLiteral("b"));
    EXPECT_EQ(window().currentIndex(), 0);
    EXPECT_EQ(window().statusLine2(), QStringLiteral("Sound 1 from 2   "));

    const QString chosen = addMarkedSound("B", program.makeFolder("Other"));
    ui.answerOpenFile(chosen);
    window().onCommand(cmd::Insert);
    answerRename("b two");
    EXPECT_EQ(listRows(), (QStringList{"b", "b two", "c"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("b two"));
    EXPECT_EQ(window().statusLine2(), QStringLiteral("Sound 2 from 3   "));
}

TEST_F(FileOperationCommands, DroppedWavFilesAreInsertedAndATakenNameOpensNewFileName) {
    addSound("a");
    const QString elsewhere = program.makeFolder("Elsewhere");
    const QString fresh = addMarkedSound("fresh", elsewhere);
    const QString taken = addMarkedSound("a", elsewhere);
    CTembrelDlg& w = window();
    ui.setDefaultAnswer(MsgResult::Ok);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(fresh), QUrl::fromLocalFile(taken)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    EXPECT_EQ(listRows(), (QStringList{"a", "fresh"}));
    ASSERT_NE(renameDialog(), nullptr) << "the taken name goes through New File Name";
    answerRename("a two");
    EXPECT_EQ(bytesOf(soundFile("a two")), bytesOf(taken));
}

// The dialog is modeless and there is one: a second Rename replaces it, and its OK renames
// the sound it was opened for.
TEST_F(FileOperationCommands, TheNewFileNameDialogOffersTheNameAndRenamesOnOkOnly) {
    addSound("a");
    const QString old = addMarkedSound("b");
    const QByteArray bytes = bytesOf(old);
    select("a");
    window().onCommand(cmd::Rename);
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

    select("a");
    answerRename("c d");
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(bytesOf(soundFile("c d")), bytes);
    EXPECT_EQ(listRows(), (QStringList{"a", "c d"}));
    EXPECT_EQ(selectedRow(), QStringLiteral("c d"));
    EXPECT_FALSE(dialog->isVisible());

    window().onCommand(cmd::Rename);
    renameDialog()->nameEdit().setText("x");
    renameDialog()->cancelButton().click();
    QCoreApplication::processEvents();
    EXPECT_EQ(listRows(), (QStringList{"a", "c d"}));
    EXPECT_FALSE(QFile::exists(soundFile("x")));
}

} // namespace

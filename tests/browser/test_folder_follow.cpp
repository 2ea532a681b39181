#include "tests/browser/MainWindowFixture.h"

#include "core/CommandIds.h"
#include "widgets/SortedListBox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

using FolderFollow = MainWindowFixture;

TEST_F(FolderFollow, TheListFollowsSoundsAddedAndRemovedBehindItsBackKeepingTheSelection) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    CTembrelDlg& w = window();
    w.list().setCurSel(1);
    for (int i = 0; i < 50; ++i) // a burst, read once it settles
        addSound(QStringLiteral("new %1").arg(i, 2, 10, QLatin1Char('0')));
    QFile::remove(program.library() + "/a.wav");
    QTRY_COMPARE_WITH_TIMEOUT(int(listRows().size()), 52, 2000);
    EXPECT_EQ(listRows().first(), QStringLiteral("b"));
    EXPECT_EQ(w.list().text(w.list().curSel()), QStringLiteral("b")) << "the selection stays";
    EXPECT_EQ(w.statusLine2(), QStringLiteral("Sound 1 from 52   "));

    QFile::rename(program.library() + "/b.wav", program.library() + "/zz.wav");
    QTRY_COMPARE_WITH_TIMEOUT(listRows().last(), QStringLiteral("zz"), 2000);
    EXPECT_EQ(w.list().curSel(), 0) << "a vanished selection falls to the row where it was";
}

TEST_F(FolderFollow, AnotherFolderIsWatchedInsteadOfTheFirst) {
    addSound("a");
    const QString other = program.path() + "Other";
    QDir().mkpath(other);
    addSound("x", {}, other);
    CTembrelDlg& w = window();
    // The list is read with its selection signals held back: the waveform strip hears of it.
    QSignalSpy replaced(&w, &CTembrelDlg::listReplaced);
    w.setCurrentFolder(other);
    EXPECT_EQ(replaced.count(), 1);
    addSound("y", {}, other);
    addSound("b");
    QTRY_COMPARE_WITH_TIMEOUT(listRows(), (QStringList{"x", "y"}), 2000);
    EXPECT_GE(replaced.count(), 2) << "a folder changed on disk is a new list too";
}

TEST_F(FolderFollow, AFolderRemovedAndMadeAgainIsFollowedAndNothingNamelessIsPlayedOrDeleted) {
    addSound("a");
    CTembrelDlg& w = window();
    const QString library = program.library();
    ASSERT_TRUE(QDir(library).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(w.list().count(), 0, 2000);
    ui.setDefaultAnswer(MsgResult::Ok);
    w.onCommand(cmd::Play);
    w.onCommand(cmd::PlayLoop);
    w.onCommand(cmd::Delete);
    EXPECT_TRUE(ui.calls().empty()) << ui.messageTexts().join(" | ").toStdString();
    EXPECT_TRUE(playback.played.isEmpty());
    EXPECT_TRUE(sounds.looping.isEmpty());

    for (int round = 0; round < 2; ++round) { // made again, twice over
        QDir().mkpath(library);
        addSound(QStringLiteral("back %1").arg(round));
        QTRY_COMPARE_WITH_TIMEOUT(listRows(), QStringList{QStringLiteral("back %1").arg(round)},
                                  2000);
        ASSERT_TRUE(QDir(library).removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(w.list().count(), 0, 2000);
    }
}

} // namespace

#include "tests/browser/MainWindowFixture.h"

#include "core/CommandIds.h"
#include "files/CNewFileNameDlg.h"
#include "widgets/CBitmapButton.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

class MainKeys : public MainWindowFixture {
protected:
    CTembrelDlg& shownWindow() {
        CTembrelDlg& w = window();
        w.show();
        QApplication::setActiveWindow(&w);
        w.list().setFocus();
        return w;
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&window().list(), Qt::Key(key), modifiers);
    }
    // The items of the pop-up that the key opens (closed again at once).
    QStringList popupFrom(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    shown << action->text();
                menu->close();
            }
        });
        QApplication::setActiveWindow(&window()); // the last pop-up took it
        press(key, modifiers);
        return shown;
    }
};

TEST_F(MainKeys, SpacePlaysTheSelectedSoundAndStopsIt) {
    addSound("a");
    const QString b = addSound("b");
    CTembrelDlg& w = shownWindow();
    w.list().setCurSel(1);
    press(Qt::Key_Space);
    EXPECT_EQ(playback.playing, b);
    EXPECT_TRUE(w.button(cmd::Play)->isLit()) << "Play is lit while the sound plays";
    press(Qt::Key_Space);
    EXPECT_TRUE(playback.playing.isEmpty());
    EXPECT_FALSE(w.button(cmd::Play)->isLit());
    w.onCommand(cmd::PlayLoop);
    EXPECT_TRUE(w.button(cmd::PlayLoop)->isLit());
    press(Qt::Key_Space);
    EXPECT_TRUE(sounds.looping.isEmpty()) << "Space stops a loop too";
    EXPECT_FALSE(w.button(cmd::PlayLoop)->isLit());
    press(Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(!w.button(cmd::Play)->isLit(), 3000); // after its play time
    EXPECT_EQ(w.list().curSel(), 1) << "the list must not take Space for itself";
}

TEST_F(MainKeys, FileKeysRunTheirCommands) {
    const QString a = addSound("a");
    shownWindow();
    ui.answer(MsgResult::Cancel);
    press(Qt::Key_Delete);
    ASSERT_EQ(ui.calls().size(), 1u) << "Delete asks first";
    EXPECT_TRUE(QFileInfo::exists(a));

    ui.answerFolder(std::nullopt);
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls().back().kind, UiCall::Kind::Folder);

    addSound("c");
    press(Qt::Key_F5);
    EXPECT_EQ(listRows(), (QStringList{"a", "c"}));

    press(Qt::Key_F2);
    auto* rename = QApplication::activeWindow()->findChild<CNewFileNameDlg*>();
    ASSERT_NE(rename, nullptr);
    EXPECT_TRUE(rename->isVisible());
    rename->reject();

    press(Qt::Key_F1);
    EXPECT_EQ(desktop.opened.size(), 1u) << "F1 opens the help page";
}

TEST_F(MainKeys, ShiftF10AndTheMenuKeyOpenTheSoundsPopup) {
    addSound("a");
    shownWindow();
    EXPECT_EQ(popupFrom(Qt::Key_Menu).value(0), QStringLiteral("&Delete Sound"));
    EXPECT_EQ(popupFrom(Qt::Key_F10, Qt::ShiftModifier).value(0), QStringLiteral("&Delete Sound"));
}

TEST_F(MainKeys, TabVisitsEveryButtonInOrderAndSpaceOrEnterPressesTheFocusedOne) {
    addSound("a");
    CTembrelDlg& w = shownWindow();
    QStringList visited;
    for (int i = 0; i < 18; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->accessibleName();
    }
    EXPECT_EQ(visited,
              (QStringList{"Previous", "Play", "Next", "Stop", "Loop", "Record", "Open folder",
                           "Copy to folder", "Delete", "Insert", "Rename", "Volume",
                           "Record volume", "Menu", "Help", "Minimize", "Close", "Sounds"}));

    w.button(cmd::PlayLoop)->setFocus();
    QTest::keyClick(w.button(cmd::PlayLoop), Qt::Key_Space);
    EXPECT_FALSE(sounds.looping.isEmpty()) << "Space presses the focused button";
    EXPECT_TRUE(playback.playing.isEmpty());
    w.button(cmd::Stop)->setFocus();
    QTest::keyClick(w.button(cmd::Stop), Qt::Key_Return);
    EXPECT_TRUE(sounds.looping.isEmpty()) << "Enter presses the focused button";
}

TEST_F(MainKeys, F10AndAltAloneOpenTheMainPopup) {
    shownWindow();
    EXPECT_EQ(popupFrom(Qt::Key_F10).value(0), QStringLiteral("&Tembrel..."));
    EXPECT_EQ(popupFrom(Qt::Key_Alt).value(0), QStringLiteral("&Tembrel..."));
    press(Qt::Key_F4, Qt::AltModifier); // a pop-up here would wait for a choice
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "only Alt by itself";
}

TEST_F(MainKeys, WithPreviewOnAMoveByKeyOrClickPlaysTheSoundInsteadOfTheOneBefore) {
    addSound("a");
    const QString b = addSound("b");
    const QString c = addSound("c");
    CTembrelDlg& w = shownWindow();
    press(Qt::Key_Down);
    EXPECT_TRUE(playback.played.isEmpty()) << "off by default: browsing stays silent";

    ASSERT_TRUE(assembly->settings().writeString("Show", "Preview", "1"));
    press(Qt::Key_Down);
    EXPECT_EQ(playback.playing, c) << "the setting counts at once, without a restart";
    w.onCommand(cmd::PlayLoop);
    SortedListBox& list = w.list();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(1, 0)).center());
    EXPECT_EQ(playback.playing, b);
    EXPECT_TRUE(sounds.looping.isEmpty()) << "the loop before ends";
    w.list().setCurSel(0); // the program moving the selection plays nothing
    press(Qt::Key_Up);     // a key that does not move the selection plays nothing either
    EXPECT_EQ(playback.played, (QStringList{c, b}));
}

} // namespace

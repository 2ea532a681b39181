#include "tests/browser/MainWindowFixture.h"

#include "browser/CAboutDlg.h"
#include "browser/MainMenus.h"
#include "core/CommandIds.h"
#include "widgets/CBitmapButton.h"
#include "widgets/CLinkLabel.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

// One line per entry: "-" for a separator, "> text" opening a sub-menu, "  " indenting its
// items, the key after a tab, and "(off)" after a disabled item.
void describe(const QMenu& menu, QStringList& lines, const QString& indent) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            lines << indent + "-";
        else if (action->menu()) {
            lines << indent + "> " + action->text();
            describe(*action->menu(), lines, indent + "  ");
        } else {
            const QString key = action->shortcut().toString(QKeySequence::PortableText);
            lines << indent + action->text() + (key.isEmpty() ? "" : "\t" + key) +
                         (action->isEnabled() ? "" : " (off)");
        }
    }
}

class MainMenusWindow : public MainWindowFixture {
protected:
    // Opens a pop-up through trigger(); when it shows, chooses the item with that text.
    QStringList chooseFromPopup(const std::function<void()>& trigger, const QString& item) {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                shown << action->text();
                if (action->text() == item)
                    menu->setActiveAction(action);
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
        trigger();
        return shown;
    }
};

QStringList describe(CTembrelDlg& window, int popup) {
    const std::unique_ptr<QMenu> menu = buildPopupMenu(popup, window.commands(), nullptr);
    QStringList lines;
    describe(*menu, lines, {});
    return lines;
}

// Without a registry store the scheme items show, disabled.
TEST_F(MainMenusWindow, BothPopupsHoldTheDeclaredItemsInOrderWithTheirKeys) {
    CTembrelDlg& w = window();
    EXPECT_EQ(describe(w, kMenuPopup), (QStringList{"&Tembrel...",
                                                    "-",
                                                    "&Favorites",
                                                    "&Refresh List\tF5",
                                                    "Play A&ll Sounds",
                                                    "> Save &File List",
                                                    "  As &Text File",
                                                    "  As &HTML File",
                                                    "  As &WEB Page",
                                                    "> &Tools",
                                                    "  &Belvane (off)",
                                                    "  Send Sound &By E-Mail",
                                                    "-",
                                                    "> &Assign Sound...",
                                                    "  &Default Sound (off)",
                                                    "  Start &Windows (off)",
                                                    "  &Exit Windows (off)",
                                                    "  &Menu Popup (off)",
                                                    "  M&enu Command (off)",
                                                    "  M&aximize (off)",
                                                    "  M&inimize (off)",
                                                    "  Restore &Up (off)",
                                                    "  Restore &Down (off)",
                                                    "  &Open Program (off)",
                                                    "  &Close Program (off)",
                                                    "  Mail &Notification (off)",
                                                    "-",
                                                    "&Edit Current Sound",
                                                    "Sound &Properties",
                                                    "Program &Options",
                                                    "-",
                                                    "E&xit Program"}));
    EXPECT_EQ(describe(w, kContextPopup),
              (QStringList{"&Delete Sound\tDel", "I&nsert Sound\tIns", "&Rename Sound\tF2",
                           "&Copy to...", "-", "&Play", "&Next", "P&revious", "&Stop", "&Record",
                           "-", "Sound &Properties", "Sound &Tags..."}));
}

TEST_F(MainMenusWindow, EveryItemIsEnabledExactlyWhenItsCommandIsHandled) {
    CTembrelDlg& w = window();
    for (const int id :
         {cmd::About, cmd::RefreshList, cmd::PlayAll, cmd::EditSound, cmd::Properties, cmd::Exit,
          cmd::Delete, cmd::Insert, cmd::Rename, cmd::CopyTo, cmd::Play, cmd::Next, cmd::Prev,
          cmd::Stop, cmd::Open, cmd::Menu, cmd::Volume, cmd::RecordVolume, cmd::Help})
        EXPECT_TRUE(w.hasCommand(id)) << id;
    for (const int popup : {kMenuPopup, kContextPopup}) {
        const std::unique_ptr<QMenu> menu = buildPopupMenu(popup, w.commands(), nullptr);
        QList<QAction*> actions = menu->actions();
        while (!actions.isEmpty()) {
            QAction* action = actions.takeFirst();
            if (action->menu())
                actions += action->menu()->actions();
            else if (!action->isSeparator()) {
                EXPECT_EQ(action->isEnabled(), w.hasCommand(action->data().toInt()))
                    << action->text().toStdString();
            }
        }
    }
}

TEST_F(MainMenusWindow, ARightClickOnTheListShowsPopupOneAndPlayPlaysTheSelection) {
    addSound("a");
    addSound("b");
    CTembrelDlg& w = window();
    w.show();
    w.list().setCurSel(1);
    QWidget* viewport = w.list().viewport();
    const QStringList shown = chooseFromPopup(
        [&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    viewport->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(viewport, &event);
        },
        "&Play");
    EXPECT_EQ(shown.value(0), QStringLiteral("&Delete Sound"));
    EXPECT_EQ(playback.played, QStringList{program.library() + "/b.wav"});
}

TEST_F(MainMenusWindow, TheMenuButtonShowsPopupZero) {
    addSound("a");
    CTembrelDlg& w = window();
    w.show();
    program.writeFile(program.library() + "/b.wav", makeWav({}));
    const QStringList shown =
        chooseFromPopup([&] { w.button(cmd::Menu)->click(); }, "&Refresh List");
    EXPECT_EQ(shown.value(0), QStringLiteral("&Tembrel..."));
    EXPECT_EQ(listRows(), (QStringList{"a", "b"}));
}

TEST_F(MainMenusWindow, AboutFromTheMenuHidesTheWindowWhileItIsOpen) {
    CTembrelDlg& w = window();
    bool hiddenMeanwhile = false;
    bool runningAfterwards = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            hiddenMeanwhile = !w.isVisible();
            about->mailLink().click();
            about->homePageLink().click();
            about->okButton().click();
        });
        w.onCommand(cmd::About);
        QTimer::singleShot(0, [&] {
            runningAfterwards = w.isVisible();
            w.reject();
        });
    });
    w.exec(); // the window runs modally, as the program runs it
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(runningAfterwards) << "hiding the window must not end its run";
    EXPECT_EQ(desktop.opened, (QStringList{CAboutDlg::kMailLink, CAboutDlg::kHomePageLink}));
    EXPECT_TRUE(CAboutDlg::kMailLink.startsWith("mailto:"));
}

TEST_F(MainMenusWindow, TheSystemMenuAboutLeavesTheWindowShown) {
    CTembrelDlg& w = window();
    w.show();
    bool shownMeanwhile = false;
    QTimer::singleShot(0, [&] {
        shownMeanwhile = w.isVisible();
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    w.onCommand(kSystemAboutCommand);
    EXPECT_TRUE(shownMeanwhile);
}

} // namespace

#pragma once

#include <QPoint>
#include <QString>
#include <memory>
#include <span>

class CTembrelDlg;
class CommandTable;
class ILinkOpener;
class IUi;
class QMenu;
class QWidget;

// The two pop-up menus of the main window, as a table of the commands they hold: pop-up 0
// from the Menu button, pop-up 1 from a right click anywhere in the window. The texts and keys
// of the items are the ones their features declared.
struct MenuEntry {
    enum Kind { Command, Separator, SubMenu };
    Kind kind;
    int id;                           // command identifier (Command only)
    const char* text;                 // SubMenu only; "&" marks the mnemonic
    std::span<const MenuEntry> items; // SubMenu only
};

inline constexpr int kMenuPopup = 0;
inline constexpr int kContextPopup = 1;
// The About item the window would have in its system menu (shown without hiding the window).
inline constexpr int kSystemAboutCommand = 16;

std::span<const MenuEntry> popupEntries(int popup);

// Builds a pop-up from the layout and the declared commands, each item showing its key.
// Items whose command has no handler are shown disabled; undeclared ones are left out.
std::unique_ptr<QMenu> buildPopupMenu(int popup, const CommandTable& commands, QWidget* parent);

// Shows the pop-up at a screen position; after it closes the status lines are updated and the
// chosen command, if any, runs.
void showPopupMenu(CTembrelDlg& window, int popup, QPoint screenPosition);

// Adds the Menu button and both About paths to the commands and opens the right-click pop-up.
void installMainMenus(CommandTable& commands, CTembrelDlg& window, ILinkOpener& links, IUi& ui);

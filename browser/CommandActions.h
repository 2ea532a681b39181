#pragma once

class CommandTable;
class CTembrelDlg;
class QAction;
class QObject;
struct Command;

// An action for a declared command: its menu text, its key (shown beside the text in menus)
// and its identifier as the action's data. Triggering it does nothing by itself.
QAction* makeCommandAction(const Command& command, QObject* parent);

// Gives the window an action for every declared command that has a key, so the key runs the
// command wherever the focus is in the window.
void installCommandKeys(CTembrelDlg& window, const CommandTable& commands);

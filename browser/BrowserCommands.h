#pragma once

class CommandTable;
class CTembrelDlg;

// The main window's own commands: browsing (Refresh, Exit, Close, Minimize) and playback
// (Play, Stop, Previous, Next, Loop, Play All).
void installBrowserCommands(CommandTable& commands, CTembrelDlg& window);

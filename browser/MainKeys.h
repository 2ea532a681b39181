#pragma once

class CTembrelDlg;

// The keys of the main window, each running a command from the table: Space plays or stops
// the selected sound, Delete, F2 (rename), Insert, Ctrl+O (open a folder), F5 (refresh),
// F1 (help), and Shift+F10 or the Menu key for the sound's pop-up. Enter and Escape are the
// window's own.
void installMainKeys(CTembrelDlg& window);

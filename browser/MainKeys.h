#pragma once

class CTembrelDlg;

// The keys of the main window: the keys the commands declared, Space (plays or stops the
// selected sound), and Shift+F10 or the Menu key for the sound's pop-up. Enter and Escape are
// the window's own.
void installMainKeys(CTembrelDlg& window);

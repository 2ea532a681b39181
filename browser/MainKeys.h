#pragma once

class CTembrelDlg;

// The keys of the main window: the keys the commands declared, Space (presses the button that
// has the focus, or else plays or stops the selected sound), Alt pressed and released alone
// for the main pop-up, and Shift+F10 or the Menu key for the sound's pop-up. Enter and Escape
// are the window's own.
void installMainKeys(CTembrelDlg& window);

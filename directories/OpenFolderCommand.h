#pragma once

class CTembrelDlg;

// Registers Open (another folder) on the main window: the picked folder that holds sounds
// becomes the current folder.
void installOpenFolderCommand(CTembrelDlg& window);

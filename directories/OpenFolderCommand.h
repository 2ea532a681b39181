#pragma once

class CommandTable;
class IBrowserWindow;
class IUi;

// Adds Open (another folder): the picked folder that holds sounds becomes the current folder.
void installOpenFolderCommand(CommandTable& commands, IUi& ui, IBrowserWindow& window);

#pragma once

class CommandTable;
struct FeatureContext;
class IBrowserWindow;
class ISettings;
class IUi;
class IWindowFrame;

// Adds Open (another folder): the picked folder that holds sounds becomes the current folder;
// unless switched off, the "Add to Favorites?" prompt follows, then the list is refreshed.
void installOpenFolderCommand(CommandTable& commands, const FeatureContext& context);

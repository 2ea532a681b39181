#pragma once

#include "options/OptionsPage.h"

class CommandTable;
struct FeatureContext;
class ILinkOpener;
class IBrowserWindow;
class IDesktop;
class IFolders;
class IWindowFrame;

// "Program &Options": runs the options sheet over the main window. On OK the main directory
// takes its new name (the window then shows it) and the editor is stored; after OK or
// Cancel the window redraws its status lines. The other pages store their changes at once.
class OptionsCommand {
public:
    OptionsCommand(CommandTable& commands, const FeatureContext& context);
    void run();

private:
    void openHelp();

    OptionsContext m_context;
    IFolders& m_folders;
    IDesktop& m_desktop;
    IBrowserWindow& m_browser;
    IWindowFrame& m_frame;
};

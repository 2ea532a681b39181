#pragma once

#include "schemes/SchemeContext.h"

#include <QPointer>
#include <functional>

class CommandTable;
class CSchemeBuilderDlg;
class IBrowserWindow;
class IWindowFrame;

// The main window's scheme commands: the twelve "&Assign Sound..." items and "&Belvane", which
// opens the one scheme builder on the current folder (replacing any earlier one).
class SchemeCommands {
public:
    // currentSoundPath: the full path of the sound last started with Play ("" before any).
    SchemeCommands(CommandTable& commands, SchemeContext context, IBrowserWindow& window,
                   IWindowFrame& frame, std::function<QString()> currentSoundPath);
    ~SchemeCommands();
    // Without a registry store the same items show, disabled.
    static void declareUnavailable(CommandTable& commands);

    CSchemeBuilderDlg* builder() const;

private:
    void openBuilder();

    SchemeContext m_context;
    IBrowserWindow& m_window;
    IWindowFrame& m_frame;
    std::function<QString()> m_currentSoundPath;
    QPointer<CSchemeBuilderDlg> m_builder;
};

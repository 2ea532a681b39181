#pragma once

#include "schemes/SchemeContext.h"

#include <QPointer>

class CommandTable;
struct FeatureContext;
class CSchemeBuilderDlg;
class IBrowserWindow;
class IWindowFrame;

// The main window's scheme commands: the twelve "&Assign Sound..." items and "&Belvane", which
// opens the one scheme builder on the current folder (replacing any earlier one).
class SchemeCommands {
public:
    // Needs the registry store of context's services.
    SchemeCommands(CommandTable& commands, const FeatureContext& context);
    ~SchemeCommands();
    // Without a registry store the same items show, disabled.
    static void declareUnavailable(CommandTable& commands);

    CSchemeBuilderDlg* builder() const;

private:
    void openBuilder();

    SchemeContext m_context;
    IBrowserWindow& m_window;
    IWindowFrame& m_frame;
    QPointer<CSchemeBuilderDlg> m_builder;
};

#pragma once

#include "operations/CNewFileNameDlg.h"
#include "operations/ExternalTools.h"
#include "operations/FileOperations.h"
#include "operations/MainWindowBrowser.h"

#include <QObject>
#include <QPointer>

class CTembrelDlg;

// The main window's commands for single sounds: Delete, Insert, Rename, Copy to, Properties,
// the wave editor, the mixer and the help. Lives as a child of the main window and owns the
// one New File Name dialog.
class OperationCommands : public QObject {
    Q_OBJECT
public:
    explicit OperationCommands(CTembrelDlg& window);

    // The open (or last) New File Name dialog, if any.
    CNewFileNameDlg* renameDialog() const { return m_renameDialog; }

private:
    void registerAll();
    void rename();
    void insert();
    void openRenameDialog(const RenameRequest& request);
    void onRenameSound();
    void showProperties();

    CTembrelDlg& m_window;
    MainWindowBrowser m_browser;
    FileOperations m_operations;
    ExternalTools m_tools;
    RenameRequest m_pendingRename;
    QPointer<CNewFileNameDlg> m_renameDialog;
};

// Registers the commands above, the Open command, the pop-up menus and the About box.
void installOperations(CTembrelDlg& window);

#pragma once

#include "files/CNewFileNameDlg.h"
#include "files/FileOperations.h"
#include "tools/ExternalTools.h"

#include <QObject>
#include <QPointer>

class CommandTable;
struct FeatureContext;
class ISettings;
class IProgramPlaces;
class IWindowFrame;
struct Services;

// The commands for single sounds: Delete, Insert, Rename, Copy to, the wave editor, the mixer
// and the help. Owns the one New File Name dialog.
class OperationCommands : public QObject {
    Q_OBJECT
public:
    OperationCommands(CommandTable& commands, const FeatureContext& context);
    ~OperationCommands() override;

    // Files dropped on the main window: each WAV file is inserted as Insert does (a name
    // already listed opens the New File Name dialog for the first such file); any other file
    // is refused with a message naming it.
    void insertDropped(const QStringList& files);

    // Asks with the New File Name dialog for the name under which source joins the current
    // folder, as Insert does for a name already listed.
    void insertUnderAskedName(const QString& source, const QString& initialName);

    // The open (or last) New File Name dialog, if any.
    CNewFileNameDlg* renameDialog() const { return m_renameDialog; }

private:
    void registerAll(CommandTable& commands);
    void rename();
    void insert();
    void openRenameDialog(const RenameRequest& request);
    void onRenameSound();

    Services& m_services;
    CWavePlayer& m_player;
    ISoundList& m_list;
    IBrowserWindow& m_window;
    IWindowFrame& m_frame;
    const ISettings& m_settings;
    FileOperations m_operations;
    ExternalTools m_tools;
    RenameRequest m_pendingRename;
    QPointer<CNewFileNameDlg> m_renameDialog;
};

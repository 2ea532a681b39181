#include "operations/OperationCommands.h"

#include "browser/CTembrelDlg.h"
#include "browser/CommandIds.h"
#include "browser/MainMenus.h"
#include "directories/OpenFolderCommand.h"
#include "operations/CNewFileNameDlg.h"
#include "operations/CSoundPropertiesDlg.h"
#include "widgets/SortedListBox.h"

OperationCommands::OperationCommands(CTembrelDlg& window)
    : QObject(&window), m_window(window), m_browser(window),
      m_operations(window.services().ui, window.services().files, window.player(), m_browser,
                   m_browser, window.settingsCopies().dataFile),
      m_tools(window.services().launcher, window.services().desktop, window.player(), m_browser,
              m_browser, window.services().programDir) {
    registerAll();
}

void OperationCommands::registerAll() {
    m_window.registerCommand(cmd::Delete, [this] { m_operations.deleteSound(); });
    m_window.registerCommand(cmd::Insert, [this] { insert(); });
    m_window.registerCommand(cmd::Rename, [this] { rename(); });
    m_window.registerCommand(cmd::CopyTo, [this] { m_operations.copySoundTo(); });
    m_window.registerCommand(cmd::Properties, [this] { showProperties(); });
    m_window.registerCommand(cmd::EditSound,
                             [this] { m_tools.editSound(m_window.settingsCopies().editorPath); });
    m_window.registerCommand(cmd::Volume, [this] { m_tools.openMixer(); });
    m_window.registerCommand(cmd::RecordVolume, [this] { m_tools.openRecordingMixer(); });
    m_window.registerCommand(cmd::Help, [this] { m_tools.openHelp(); });
}

void OperationCommands::rename() {
    openRenameDialog(m_operations.beginRename());
}

void OperationCommands::insert() {
    if (const std::optional<RenameRequest> request = m_operations.insertSound())
        openRenameDialog(*request);
}

// At most one dialog: a new request replaces the earlier dialog and what it was asked for.
void OperationCommands::openRenameDialog(const RenameRequest& request) {
    delete m_renameDialog;
    m_pendingRename = request;
    m_renameDialog = new CNewFileNameDlg(request.initialName, &m_window);
    // Queued: the rename runs once the dialog has closed, as a posted message would.
    connect(m_renameDialog, &CNewFileNameDlg::renameSound, this, &OperationCommands::onRenameSound,
            Qt::QueuedConnection);
    m_renameDialog->showWithName();
}

void OperationCommands::onRenameSound() {
    if (m_renameDialog)
        m_operations.finishRename(m_pendingRename, m_renameDialog->enteredName());
}

void OperationCommands::showProperties() {
    const QString name = m_window.list().text(m_window.currentIndex());
    SoundProperties properties = readSoundProperties(m_window.services().files, m_window.player(),
                                                     m_window.currentFolder(), name);
    CSoundPropertiesDlg dialog(std::move(properties), m_window.services().sounds, &m_window);
    dialog.exec();
    m_window.UpdateStatus();
}

void installOperations(CTembrelDlg& window) {
    new OperationCommands(window);
    installOpenFolderCommand(window);
    installMainMenus(window);
}

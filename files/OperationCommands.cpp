#include "files/OperationCommands.h"

#include "core/CWavePlayer.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/Settings.h"
#include "core/WindowFrame.h"
#include "platform/Services.h"

OperationCommands::OperationCommands(CommandTable& commands, const FeatureContext& context)
    : m_services(context.services), m_player(context.player), m_list(context.window.list),
      m_window(context.window.browser), m_frame(context.window.frame), m_settings(context.settings),
      m_operations(m_services.ui, m_services.files, m_player, m_list, m_window, m_settings),
      m_tools(m_services.ui, m_services.launcher, m_services.desktop, m_player, m_list, m_window,
              context.places, m_settings) {
    registerAll(commands);
}

OperationCommands::~OperationCommands() {
    delete m_renameDialog;
}

void OperationCommands::registerAll(CommandTable& commands) {
    commands.declare({cmd::Delete, QStringLiteral("&Delete Sound"), QKeyCombination(Qt::Key_Delete),
                      [this] { m_operations.deleteSound(); }});
    commands.declare({cmd::Insert, QStringLiteral("I&nsert Sound"), QKeyCombination(Qt::Key_Insert),
                      [this] { insert(); }});
    commands.declare({cmd::Rename, QStringLiteral("&Rename Sound"), QKeyCombination(Qt::Key_F2),
                      [this] { rename(); }});
    commands.declare(
        {cmd::CopyTo, QStringLiteral("&Copy to..."), {}, [this] { m_operations.copySoundTo(); }});
    // Read when asked: a program chosen in the options is used at once.
    commands.declare({cmd::EditSound, QStringLiteral("&Edit Current Sound"), {}, [this] {
                          m_tools.editSound(m_settings.read(keys::kEditor));
                      }});
    commands.declare({cmd::Volume, {}, {}, [this] { m_tools.openMixer(); }});
    commands.declare({cmd::RecordVolume, {}, {}, [this] { m_tools.openRecordingMixer(); }});
    commands.declare({cmd::Help, {}, QKeyCombination(Qt::Key_F1), [this] { m_tools.openHelp(); }});
}

void OperationCommands::rename() {
    openRenameDialog(m_operations.beginRename());
}

void OperationCommands::insert() {
    if (const std::optional<RenameRequest> request = m_operations.insertSound())
        openRenameDialog(*request);
}

// At most one dialog: a new request replaces the earlier dialog and what it was asked for.
void OperationCommands::insertDropped(const QStringList& files) {
    if (const std::optional<RenameRequest> request = m_operations.insertDropped(files))
        openRenameDialog(*request);
}

void OperationCommands::insertUnderAskedName(const QString& source, const QString& initialName) {
    openRenameDialog(RenameRequest{initialName, source, {}});
}

void OperationCommands::openRenameDialog(const RenameRequest& request) {
    delete m_renameDialog;
    m_pendingRename = request;
    m_renameDialog = new CNewFileNameDlg(request.initialName, m_frame.dialogParent());
    // Queued: the rename runs once the dialog has closed, as a posted message would.
    connect(m_renameDialog, &CNewFileNameDlg::renameSound, this, &OperationCommands::onRenameSound,
            Qt::QueuedConnection);
    m_renameDialog->showWithName();
}

void OperationCommands::onRenameSound() {
    if (m_renameDialog)
        m_operations.finishRename(m_pendingRename, m_renameDialog->enteredName());
}

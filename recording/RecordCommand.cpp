#include "recording/RecordCommand.h"

#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/WindowFrame.h"
#include "platform/Services.h"
#include "recording/RecordDlg.h"

RecordCommand::RecordCommand(CommandTable& commands, const FeatureContext& context)
    : m_ui(context.services.ui), m_makeRecorder(context.services.makeRecorder),
      m_recording(context.services.ui, context.player, context.window.list, context.window.browser,
                  context.window.frame, context.settings, context.startValues) {
    commands.declare({cmd::Record, QStringLiteral("&Record"), {}, [this] { run(); }});
}

RecordCommand::~RecordCommand() = default;

void RecordCommand::run() {
    m_dialog.reset();
    const NewRecording::Take take = m_recording.begin();
    std::unique_ptr<IRecordingDevice> device = m_makeRecorder ? m_makeRecorder() : nullptr;
    m_dialog = std::make_unique<CRecordDlg>(take.file, take.seconds, m_ui, std::move(device));
    connect(m_dialog.get(), &CRecordDlg::recordDone, this, [this] { m_recording.saved(); });
    connect(m_dialog.get(), &CRecordDlg::recordCancelled, this,
            [this] { m_recording.cancelled(); });
    m_dialog->exec();
}

#include "recording/RecordCommand.h"

#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/WindowFrame.h"
#include "recording/RecordDlg.h"

RecordCommand::RecordCommand(CommandTable& commands, IUi& ui, RecorderFactory makeRecorder,
                             CWavePlayer& player, ISoundList& list, IBrowserWindow& window,
                             IWindowFrame& frame, const ISettings& settings,
                             MainSettings& startValues)
    : m_ui(ui), m_makeRecorder(std::move(makeRecorder)),
      m_recording(ui, player, list, window, frame, settings, startValues) {
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

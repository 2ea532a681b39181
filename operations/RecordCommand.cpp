#include "operations/RecordCommand.h"

#include "browser/BrowserView.h"
#include "browser/CWavePlayer.h"
#include "browser/CommandIds.h"
#include "browser/CommandTable.h"
#include "browser/Settings.h"
#include "browser/WindowFrame.h"
#include "operations/RecordDlg.h"
#include "operations/RecordFileName.h"
#include "platform/ProgramDirectory.h"
#include "platform/SettingsStore.h"
#include "platform/Ui.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// Longer than any sensible recording; keeps the limit in milliseconds within an int.
constexpr int kLongestRecordSeconds = 24 * 60 * 60;

} // namespace

RecordCommand::RecordCommand(CommandTable& commands, IUi& ui, RecorderFactory makeRecorder,
                             CWavePlayer& player, ISoundList& list, IBrowserWindow& window,
                             IWindowFrame& frame, const ISettings& settings,
                             MainSettings& startValues)
    : m_ui(ui), m_makeRecorder(std::move(makeRecorder)), m_player(player), m_list(list),
      m_window(window), m_frame(frame), m_settings(settings), m_startValues(startValues) {
    commands.add(cmd::Record, [this] { run(); });
}

RecordCommand::~RecordCommand() = default;

void RecordCommand::run() {
    m_window.refreshList();
    m_recordFile = newRecordFile();
    m_player.Close(); // a running loop keeps sounding
    m_dialog.reset();
    const int seconds =
        std::clamp(m_settings.readInt(QStringLiteral("Record"), QStringLiteral("Rec_Time"), 30), 0,
                   kLongestRecordSeconds);
    m_minimise = m_settings.readInt(QStringLiteral("Record"), QStringLiteral("Show_Win"), 1) == 1;
    getWindowOutOfTheWay();
    std::unique_ptr<IRecordingDevice> device = m_makeRecorder ? m_makeRecorder() : nullptr;
    m_dialog = std::make_unique<CRecordDlg>(m_recordFile, seconds, m_ui, std::move(device));
    connect(m_dialog.get(), &CRecordDlg::recordDone, this, &RecordCommand::onRecordDone);
    connect(m_dialog.get(), &CRecordDlg::recordCancelled, this, &RecordCommand::onRecordCancelled);
    m_dialog->exec();
}

// Base name + (sound count + 1), or the next number that names no file of the folder: the
// count alone would hit an existing sound once the numbers have gaps.
QString RecordCommand::newRecordFile() const {
    const QString folder = m_window.currentFolder();
    // A listed name differing only in case would be a confusing twin; a folder or any other
    // entry of that name could not be replaced by a file anyway.
    auto taken = [&](const QString& candidate) {
        return findRow(m_list, candidate) >= 0 ||
               QFileInfo(pathhelp::soundPath(folder, candidate)).exists();
    };
    // The count is of the folder's sounds: a file named just ".wav" counts without a row.
    const int count =
        m_list.rowCount() + (QFileInfo::exists(pathhelp::soundPath(folder, QString())) ? 1 : 0);
    const QString stem = chooseRecordStem(m_startValues.baseRecordingName, count, taken);
    return pathhelp::soundPath(folder, stem);
}

void RecordCommand::getWindowOutOfTheWay() {
    if (m_minimise)
        m_frame.minimise();
    else
        m_frame.moveToCorner();
}

void RecordCommand::restoreWindow() {
    m_frame.restore();
}

void RecordCommand::onRecordDone() {
    restoreWindow();
    m_window.refreshList();
    selectNewSound();
}

void RecordCommand::onRecordCancelled() {
    restoreWindow();
    m_window.repaint();
}

// A failed save leaves no such row, and then nothing more happens.
void RecordCommand::selectNewSound() {
    const QString name = pathhelp::fileTitle(m_recordFile);
    for (int row = 0; row < m_list.rowCount(); ++row) {
        if (m_list.rowText(row) != name)
            continue;
        m_list.selectRow(row);
        m_window.repaint();
        m_startValues.baseRecordingName =
            m_settings.readString(QStringLiteral("Default_Rec_Name"), QStringLiteral("Rec_Name"));
        if (m_startValues.baseRecordingName == settings::kMissing)
            m_ui.messageBox(settings::kMissing, m_ui.appTitle(), MsgButtons::Ok,
                            MsgIcon::Exclamation);
        return;
    }
}

#include "recording/NewRecording.h"

#include "core/BrowserView.h"
#include "core/CWavePlayer.h"
#include "core/Settings.h"
#include "core/WindowPlacement.h"
#include "platform/ProgramDirectory.h"
#include "platform/SettingsStore.h"
#include "platform/Ui.h"
#include "recording/RecordFileName.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// Longer than any sensible recording; keeps the limit in milliseconds within an int.
constexpr int kLongestRecordSeconds = 24 * 60 * 60;

} // namespace

NewRecording::NewRecording(IUi& ui, CWavePlayer& player, ISoundList& list, IBrowserWindow& window,
                           IWindowPlacement& placement, const ISettings& settings,
                           MainSettings& startValues)
    : m_ui(ui), m_player(player), m_list(list), m_window(window), m_placement(placement),
      m_settings(settings), m_startValues(startValues) {}

NewRecording::Take NewRecording::begin() {
    m_window.refreshList();
    m_recordFile = newRecordFile();
    m_player.Close();
    const int seconds = std::clamp(m_settings.read(keys::kRecordTime), 0, kLongestRecordSeconds);
    if (m_settings.read(keys::kMinimiseWhileRecording) == 1)
        m_placement.minimise();
    else
        m_placement.moveToCorner();
    return Take{m_recordFile, seconds};
}

// Base name + (sound count + 1), or the next number that names no file of the folder: the
// count alone would hit an existing sound once the numbers have gaps.
QString NewRecording::newRecordFile() const {
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

void NewRecording::saved() {
    m_placement.restore();
    m_window.refreshList();
    selectNewSound();
}

void NewRecording::cancelled() {
    m_placement.restore();
    m_window.repaint();
}

// A failed save leaves no such row, and then nothing more happens.
void NewRecording::selectNewSound() {
    const QString file = pathhelp::fileName(m_recordFile);
    for (int row = 0; row < m_list.rowCount(); ++row) {
        if (m_list.row(row).file != file)
            continue;
        m_list.selectRow(row);
        m_window.repaint();
        m_startValues.baseRecordingName =
            readReported(m_settings, m_ui, keys::kRecordingName, MsgIcon::Exclamation);
        return;
    }
}

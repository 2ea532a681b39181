#include "operations/RecordCommand.h"

#include "app/SettingsStore.h"
#include "browser/CTembrelDlg.h"
#include "browser/CommandIds.h"
#include "operations/RecordDlg.h"
#include "operations/RecordFileName.h"
#include "platform/ProgramDirectory.h"
#include "widgets/SortedListBox.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// Longer than any sensible recording; keeps the limit in milliseconds within an int.
constexpr int kLongestRecordSeconds = 24 * 60 * 60;

} // namespace

RecordCommand::RecordCommand(CTembrelDlg& window) : QObject(&window), m_window(window) {}

RecordCommand::~RecordCommand() = default;

void RecordCommand::run() {
    m_window.RefreshList();
    m_recordFile = newRecordFile();
    m_window.player().Close(); // a running loop keeps sounding
    m_dialog.reset();
    const QString& dataFile = m_window.settingsCopies().dataFile;
    const int seconds = std::clamp(
        settings::readInt(QStringLiteral("Record"), QStringLiteral("Rec_Time"), 30, dataFile), 0,
        kLongestRecordSeconds);
    m_minimise =
        settings::readInt(QStringLiteral("Record"), QStringLiteral("Show_Win"), 1, dataFile) == 1;
    getWindowOutOfTheWay();
    Services& services = m_window.services();
    std::unique_ptr<IRecordingDevice> device =
        services.makeRecorder ? services.makeRecorder() : nullptr;
    m_dialog = std::make_unique<CRecordDlg>(m_recordFile, seconds, services.ui, std::move(device));
    connect(m_dialog.get(), &CRecordDlg::recordDone, this, &RecordCommand::onRecordDone);
    connect(m_dialog.get(), &CRecordDlg::recordCancelled, this, &RecordCommand::onRecordCancelled);
    m_dialog->exec();
}

// Base name + (sound count + 1), or the next number that names no file of the folder: the
// count alone would hit an existing sound once the numbers have gaps.
QString RecordCommand::newRecordFile() const {
    const QString folder = m_window.currentFolder();
    const QStringList& names = m_window.names();
    // A listed name differing only in case would be a confusing twin; a folder or any other
    // entry of that name could not be replaced by a file anyway.
    auto taken = [&](const QString& candidate) {
        return names.contains(candidate, Qt::CaseInsensitive) ||
               QFileInfo(pathhelp::soundPath(folder, candidate)).exists();
    };
    const QString stem =
        chooseRecordStem(m_window.settingsCopies().baseRecordingName, m_window.nameCount(), taken);
    return pathhelp::soundPath(folder, stem);
}

void RecordCommand::getWindowOutOfTheWay() {
    if (m_minimise) {
        m_window.showMinimized();
        return;
    }
    m_savedPosition = m_window.pos();
    m_savedSize = m_window.size();
    m_window.move(0, 0);
}

void RecordCommand::restoreWindow() {
    if (m_minimise) {
        m_window.showNormal();
        return;
    }
    m_window.move(m_savedPosition);
    m_window.resize(m_savedSize);
}

void RecordCommand::onRecordDone() {
    restoreWindow();
    m_window.RefreshList();
    selectNewSound();
}

void RecordCommand::onRecordCancelled() {
    restoreWindow();
    m_window.UpdateStatus();
}

// A failed save leaves no such row, and then nothing more happens.
void RecordCommand::selectNewSound() {
    const QString name = pathhelp::fileTitle(m_recordFile);
    SortedListBox& list = m_window.list();
    for (int row = 0; row < list.count(); ++row) {
        if (list.text(row) != name)
            continue;
        list.setCurSel(row);
        m_window.UpdateStatus();
        MainSettings& copies = m_window.settingsCopies();
        copies.baseRecordingName =
            settings::readString(QStringLiteral("Default_Rec_Name"), QStringLiteral("Rec_Name"),
                                 settings::kMissing, copies.dataFile);
        if (copies.baseRecordingName == settings::kMissing) {
            IUi& ui = m_window.services().ui;
            ui.messageBox(settings::kMissing, ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        }
        return;
    }
}

void installRecording(CTembrelDlg& window) {
    auto* command = new RecordCommand(window);
    window.registerCommand(cmd::Record, [command] { command->run(); });
}

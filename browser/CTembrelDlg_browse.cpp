// Browsing: the folder scan, the list and the status lines of the main window.
#include "browser/CTembrelDlg.h"

#include "browser/FolderWatcher.h"
#include "browser/StatusDisplay.h"
#include "browser/StatusText.h"
#include "core/BrowserView.h"
#include "core/FolderScan.h"
#include "platform/ProgramDirectory.h"
#include "widgets/SortedListBox.h"

#include <algorithm>

void CTembrelDlg::ScanFolder(const QString& folder) {
    m_names = scanSoundFolder(folder, m_soundFiles);
    m_watcher->watch(folder);
}

void CTembrelDlg::fillListFromNames() {
    const QStringList& names = m_names.names;
    if (!names.contains(QString())) {
        m_list->addStrings(names, m_names.files);
        m_unlistedCount = 0;
        return;
    }
    QStringList shown, files;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].isEmpty())
            continue;
        shown.append(names[i]);
        files.append(m_names.otherFile(i));
    }
    m_list->addStrings(shown, m_names.files.isEmpty() ? QStringList() : files);
    m_unlistedCount = int(names.size() - shown.size());
}

void CTembrelDlg::RefreshList() {
    {
        const QSignalBlocker quiet(m_list);
        m_list->resetContent();
        ScanFolder(m_currentFolder);
        fillListFromNames();
        m_list->setCurSel(0);
    }
    UpdateStatus();
    emit listReplaced();
}

void CTembrelDlg::followFolder() {
    const int row = m_list->curSel();
    const QString selected = rowFile(row);
    const QString selectedText = selectedName();
    {
        const QSignalBlocker quiet(m_list);
        m_list->resetContent();
        ScanFolder(m_currentFolder);
        fillListFromNames();
        int kept = findFileRow(selected);
        if (kept < 0)
            kept = m_list->findStringExact(selectedText); // renamed in another letter case
        m_list->setCurSel(kept >= 0 ? kept : std::min(row, m_list->count() - 1));
    }
    UpdateStatus();
    emit listReplaced();
}

int CTembrelDlg::findFileRow(const QString& file) const {
    for (int row = 0, count = m_list->count(); row < count; ++row)
        if (rowFile(row) == file)
            return row;
    return -1;
}

void CTembrelDlg::showSoundFiles(SoundFiles which) {
    if (which == m_soundFiles)
        return;
    m_soundFiles = which;
    followFolder();
}

void CTembrelDlg::setCurrentFolder(const QString& folder) {
    m_currentFolder = folder;
    RefreshList();
}

QString CTembrelDlg::selectedName() const {
    return m_list->text(m_list->curSel());
}

QString CTembrelDlg::rowFile(int row) const {
    return rowFileName(m_list->text(row), m_list->fileOf(row));
}

QString CTembrelDlg::rowPath(int row) const {
    return pathhelp::join(m_currentFolder, rowFile(row));
}

// With no row selected this is the folder's file named ".wav" alone, if there is one.
QString CTembrelDlg::selectedSoundPath() const {
    return rowPath(m_list->curSel());
}

void CTembrelDlg::UpdateStatus() {
    readStatus();
    update(statusdisplay::kInside);
}

// The status lines of the selected sound, as its file is now.
void CTembrelDlg::readStatus() {
    m_currentIndex = m_list->curSel();
    const QString path = selectedSoundPath();
    const std::optional<qint64> length = m_services.files.fileSize(path);
    if (!length)
        return; // the previous lines stay, as does the play time
    // An unreadable WAV header keeps the last WAV file's values. A sound of another type plays
    // for its frames over its rate: its bytes say nothing of its length.
    if (!m_player->ReadWaveInfo(path) && m_player->readOtherType()) {
        const SoundFacts& facts = m_player->soundFacts();
        m_playTime = facts.playSeconds;
        m_statusLine1 = statusPlayTimeLine(m_playTime, shownInfo(facts).channelsText);
    } else if (m_player->readUnreadableOther()) {
        m_playTime = 0;
        m_statusLine1 = statusPlayTimeLine(m_playTime, unreadableInfo().channelsText);
    } else {
        m_playTime = playTimeSeconds(*length, m_player->waveInfo());
        m_statusLine1 = statusPlayTimeLine(m_playTime, m_player->waveInfo().channelsText);
    }
    m_statusLine2 = statusPositionLine(m_currentIndex + 1, nameCount());
    // The lines are drawn, not widgets: the list tells them to screen readers.
    m_list->setAccessibleDescription(m_statusLine1 + QStringLiteral(", ") + m_statusLine2);
}

// Every sound of the folder: the rows, which follow each operation, and the sound named
// ".wav" alone, which has no row.
int CTembrelDlg::nameCount() const {
    return m_list->count() + m_unlistedCount;
}

void CTembrelDlg::onSelectionChanged() {
    if (m_flatScrollBar)
        placeFlatScrollBar();
    UpdateStatus();
}

// With the flat scroll bar the list scrolls so that a tenth of the rows stand above the
// selected one, as far as the list lets it, and never so far that the selection leaves the
// view.
void CTembrelDlg::placeFlatScrollBar() {
    const int row = m_list->curSel();
    if (row < 0)
        return;
    const int top = std::max(0, row - m_list->count() / 10);
    m_list->scrollTo(m_list->model()->index(top, 0), QAbstractItemView::PositionAtTop);
    m_list->scrollTo(m_list->model()->index(row, 0), QAbstractItemView::EnsureVisible);
}

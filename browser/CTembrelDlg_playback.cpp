// Playback commands of the main window: play, stop, previous, next, loop and Play All.
#include "browser/CTembrelDlg.h"

#include "browser/CommandIds.h"

#include "platform/ProgramDirectory.h"
#include "widgets/SortedListBox.h"

void CTembrelDlg::PlayCurrent() {
    m_currentIndex = m_list->curSel();
    m_currentSoundPath = selectedSoundPath();
    m_player->Open(m_currentSoundPath);
    UpdateStatus();
    m_player->Play();
}

void CTembrelDlg::StopPlayback() {
    UpdateStatus();
    m_playAllActive = false;
    m_player->Stop();
}

void CTembrelDlg::playPrevious() {
    StopPlayback();
    const int selection = m_list->curSel();
    if (selection > 0)
        m_currentIndex = selection - 1;
    if (m_currentIndex < 0)
        m_currentIndex = 0;
    m_list->setCurSel(m_currentIndex);
    PlayCurrent();
}

void CTembrelDlg::playNext() {
    StopPlayback();
    const int selection = m_list->curSel();
    const int last = m_list->count() - 1;
    m_currentIndex = selection < last ? selection + 1 : last;
    m_list->setCurSel(m_currentIndex);
    PlayCurrent();
}

void CTembrelDlg::playLoop() {
    m_player->Stop();
    m_currentIndex = m_list->curSel();
    m_player->PlayLoop(selectedSoundPath());
}

void CTembrelDlg::playAll() {
    m_playAllActive = true;
    m_tickCount = 0;
    m_playAllPosition = 0;
    m_list->setCurSel(0);
    UpdateStatus();
    m_playAllTimer.start(kPlayAllIntervalMs, this);
    UpdateStatus();
}

void CTembrelDlg::playAllTick() {
    ++m_tickCount;
    UpdateStatus();
    if (double(m_tickCount) > 2.0 * m_playTime && m_playAllPosition < m_list->count() &&
        m_playAllActive) {
        m_tickCount = 0;
        m_list->setCurSel(m_playAllPosition);
        ++m_playAllPosition;
        PlayCurrent();
    }
}

// Playback commands of the main window: play, stop, previous, next, loop and Play All.
#include "browser/CTembrelDlg.h"

#include "core/CommandIds.h"

#include "platform/ProgramDirectory.h"
#include "widgets/CBitmapButton.h"
#include "widgets/SortedListBox.h"

// Without a selected row (an empty or vanished folder) there is nothing to play.
void CTembrelDlg::PlayCurrent() {
    if (m_list->curSel() < 0)
        return;
    m_currentIndex = m_list->curSel();
    m_currentSoundPath = selectedSoundPath();
    m_player->Open(m_currentSoundPath);
    UpdateStatus();
    m_player->Play();
    showSounding(m_player->GetState() == CWavePlayer::Playing, m_player->isLooping());
}

void CTembrelDlg::StopPlayback() {
    UpdateStatus();
    endPlayAll();
    m_player->Stop();
    showSounding(false, false);
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
    if (m_list->curSel() < 0)
        return;
    m_currentIndex = m_list->curSel();
    m_player->PlayLoop(selectedSoundPath());
    showSounding(false, m_player->isLooping());
}

// The player is not told when a single play ends: its play time is taken as its end.
void CTembrelDlg::showSounding(bool playing, bool looping) {
    if (playing)
        m_soundingTimer.start(int(m_playTime * 1000) + 100, this);
    else
        m_soundingTimer.stop();
    if (CBitmapButton* play = button(cmd::Play))
        play->setLit(playing);
    if (CBitmapButton* loop = button(cmd::PlayLoop))
        loop->setLit(looping);
}

bool CTembrelDlg::isSounding() const {
    const CBitmapButton* play = button(cmd::Play);
    const CBitmapButton* loop = button(cmd::PlayLoop);
    return (play && play->isLit()) || (loop && loop->isLit());
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

// Plays the rows one after the other, each once the one before has had twice its play time
// in ticks; Play All ends once its last row has been started, so rows added later (a
// recording, an insert, a refresh) are never played by it.
void CTembrelDlg::playAllTick() {
    ++m_tickCount;
    UpdateStatus();
    if (!m_playAllActive || double(m_tickCount) <= 2.0 * m_playTime)
        return;
    if (m_playAllPosition >= m_list->count()) {
        endPlayAll();
        return;
    }
    m_tickCount = 0;
    m_list->setCurSel(m_playAllPosition);
    ++m_playAllPosition;
    PlayCurrent();
    if (m_playAllPosition >= m_list->count())
        endPlayAll();
}

void CTembrelDlg::endPlayAll() {
    m_playAllActive = false;
    m_playAllTimer.stop();
}

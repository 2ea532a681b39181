#include "core/CWavePlayer.h"

CWavePlayer::CWavePlayer(IPlaybackDevice& device, ISoundPlayer& sounds, IUi& ui)
    : m_device(device), m_sounds(sounds), m_ui(ui) {}

CWavePlayer::~CWavePlayer() {
    m_device.close();
}

bool CWavePlayer::Open(const QString& path) {
    m_device.close();
    const AudioResult opened = m_device.open(path);
    m_openSucceeded = opened.has_value();
    m_openPath = m_openSucceeded ? path : QString();
    if (!opened) {
        m_ui.messageBox(opened.error(), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    m_state = Stopped;
    return true;
}

void CWavePlayer::Play(qint64 startFrame) {
    if (m_state != Stopped)
        return;
    m_state = Playing;
    const AudioResult played = m_device.play(startFrame, gainFor(m_openPath));
    // After a failed open there is nothing to play and that was reported already; a file
    // that opened but cannot be decoded is reported here, once.
    if (!played && m_openSucceeded) {
        m_openSucceeded = false;
        m_ui.messageBox(played.error(), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
    }
}

void CWavePlayer::Stop() {
    if (m_loop) {
        m_loop = false;
        m_state = Stopped;
        m_sounds.silence();
        // A single play started while the loop sounded must end with it too.
        m_device.stop();
        return;
    }
    if (m_state == Playing) {
        m_state = Stopped;
        m_device.stop();
    }
}

void CWavePlayer::PlayLoop(const QString& path, const QString& soundOf) {
    if (m_state != Stopped)
        return;
    m_state = Playing;
    m_loop = true;
    m_sounds.playLoop(path, gainFor(soundOf.isEmpty() ? path : soundOf));
}

float CWavePlayer::gainFor(const QString& path) const {
    return m_gain && !path.isEmpty() ? m_gain->gainFor(path) : 1.0f;
}

bool CWavePlayer::ReadWaveInfo(const QString& path) {
    auto facts = readSoundFacts(path);
    m_otherType = facts && !facts->wave;
    m_unreadableOther = !facts && !path.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive);
    if (!facts)
        return false;
    m_facts = std::move(*facts);
    if (!m_facts.wave)
        return false;
    m_info = *m_facts.wave;
    return true;
}

void CWavePlayer::Close() {
    m_device.close();
}

#include "waveform/StripState.h"

#include <algorithm>

void StripState::setSound(qint64 frames, int sampleRate) {
    m_frames = std::max<qint64>(frames, 0);
    m_sampleRate = sampleRate;
    m_playPoint = 0;
    m_anchor = 0;
    m_region.reset();
}

qint64 StripState::clamped(qint64 frame) const {
    return std::clamp<qint64>(frame, 0, m_frames);
}

void StripState::press(qint64 frame, bool extend) {
    frame = clamped(frame);
    if (!extend) {
        m_playPoint = frame;
        m_anchor = frame;
        m_region.reset();
        return;
    }
    // The end of the region farther from the press stays put.
    if (m_region)
        m_anchor = std::abs(frame - m_region->start) > std::abs(frame - m_region->end)
                       ? m_region->start
                       : m_region->end;
    else
        m_anchor = m_playPoint;
    dragTo(frame);
}

void StripState::dragTo(qint64 frame) {
    frame = clamped(frame);
    if (frame == m_anchor) {
        m_region.reset();
        m_playPoint = frame;
        return;
    }
    m_region = FrameRange{std::min(m_anchor, frame), std::max(m_anchor, frame)};
    m_playPoint = m_region->start;
}

void StripState::step(int direction) {
    const qint64 stride = std::max<qint64>(1, m_frames / 100);
    m_playPoint = clamped(m_playPoint + direction * stride);
}

QString StripState::secondsText(qint64 frame) const {
    const double seconds = m_sampleRate > 0 ? double(frame) / m_sampleRate : 0.0;
    return QString::number(seconds, 'f', 2);
}

QString StripState::spokenText() const {
    if (m_sampleRate <= 0)
        return QStringLiteral("No sound");
    QString text = QStringLiteral("Play point %1 of %2 seconds")
                       .arg(secondsText(m_playPoint), secondsText(m_frames));
    if (m_region)
        text += QStringLiteral(", region %1 to %2 seconds")
                    .arg(secondsText(m_region->start), secondsText(m_region->end));
    return text;
}

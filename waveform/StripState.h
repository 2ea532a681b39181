#pragma once

#include <QString>
#include <optional>

// A stretch of a sound, in frames, end excluded.
struct FrameRange {
    qint64 start = 0;
    qint64 end = 0;
    qint64 length() const { return end - start; }
    bool operator==(const FrameRange&) const = default;
};

// Where the strip stands in its sound: the play point and the region picked with the mouse or
// the keyboard, kept inside the sound.
class StripState {
public:
    // A new sound: the play point goes to its start and the region goes.
    void setSound(qint64 frames, int sampleRate);
    qint64 frames() const { return m_frames; }
    int sampleRate() const { return m_sampleRate; }

    qint64 playPoint() const { return m_playPoint; }
    std::optional<FrameRange> region() const { return m_region; }

    // A press: moves the play point there, or with extend stretches the region (or makes one
    // from the play point) to reach it.
    void press(qint64 frame, bool extend);
    // A drag from the last press: the region between the two points.
    void dragTo(qint64 frame);
    void clearRegion() { m_region.reset(); }
    // Moves the play point a hundredth of the sound (at least one frame) forward or back.
    void step(int direction);
    void setPlayPoint(qint64 frame) { m_playPoint = clamped(frame); }

    // What a screen reader says: the play point and the region, in seconds.
    QString spokenText() const;

private:
    qint64 clamped(qint64 frame) const;
    QString secondsText(qint64 frame) const;

    qint64 m_frames = 0;
    int m_sampleRate = 0;
    qint64 m_playPoint = 0;
    qint64 m_anchor = 0;
    std::optional<FrameRange> m_region;
};

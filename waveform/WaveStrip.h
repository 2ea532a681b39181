#pragma once

#include "waveform/PeakColumns.h"
#include "waveform/StripState.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QWidget>
#include <memory>

// The outline of one sound across the widget, with its play point, its region and, while it
// sounds, a moving cursor. A click asks to play from that point, a drag picks a region,
// Shift+click stretches it, Escape drops it and Left/Right move the play point. With region
// drags allowed, a drag that starts inside the region asks to drag the region out instead.
class WaveStrip : public QWidget {
    Q_OBJECT
public:
    explicit WaveStrip(QWidget* parent = nullptr);

    // A new sound whose peaks are not known yet: the strip is empty until setPeaks.
    void setSound(qint64 frames, int sampleRate);
    void setPeaks(std::shared_ptr<const SoundPeaks> peaks);
    void clear();
    const StripState& state() const { return m_state; }
    bool hasPeaks() const { return m_peaks != nullptr; }
    void allowRegionDrag(bool allowed) { m_regionDraggable = allowed; }

    // The cursor runs from startFrame at the sound's rate; at range's end it stops, or with
    // loop starts the range again.
    void showPlaying(FrameRange range, bool loop);
    void showStopped();
    bool isShowingPlay() const { return m_cursorTimer.isActive(); }
    qint64 cursorFrame() const;

signals:
    void playFromRequested(qint64 frame);
    // Ctrl+S or the strip's menu, with a region.
    void saveRegionRequested();
    void regionChanged();
    // The mouse was pressed inside the region and moved past the drag distance.
    void regionDragStarted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    qint64 frameAt(int x) const;
    int xOf(qint64 frame) const;
    void paintRegion(QPainter& painter);
    void paintLanes(QPainter& painter);
    void paintMarks(QPainter& painter);
    void stateChanged();
    bool insideRegion(int x) const;
    void showDragCursor(int x);

    std::shared_ptr<const SoundPeaks> m_peaks;
    std::vector<ColumnPeak> m_columns; // for the current width, made at the first paint
    StripState m_state;
    bool m_pressed = false;
    bool m_dragged = false;
    bool m_regionDraggable = false;
    bool m_pressedInRegion = false; // a press there drags the region out, or is a click
    QPoint m_pressPoint;
    FrameRange m_playing;
    bool m_looping = false;
    QElapsedTimer m_playClock;
    QBasicTimer m_cursorTimer;
};

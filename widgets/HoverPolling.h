#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

// Watches the pointer while it is near a control. A mouse move over the control (or over the
// given child, e.g. a list's viewport) starts polling every 10 ms; each tick reports whether
// the pointer is still inside the control's rectangle on the screen. The owner decides when
// to stop.
class HoverPolling : public QObject {
    Q_OBJECT
public:
    static constexpr int kMoveInterval = 10;

    HoverPolling(QWidget& control, std::function<void(bool inside)> onTick);
    void watchMovesOn(QWidget& child);
    void start(int intervalMs);
    void stop() { m_timer.stop(); }
    bool isPolling() const { return m_timer.isActive(); }
    bool pointerInside() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_control;
    std::function<void(bool)> m_onTick;
    QTimer m_timer;
};

#include "widgets/HoverPolling.h"

#include <QCursor>
#include <QEvent>
#include <QWidget>

HoverPolling::HoverPolling(QWidget& control, std::function<void(bool)> onTick)
    : QObject(&control), m_control(control), m_onTick(std::move(onTick)) {
    connect(&m_timer, &QTimer::timeout, this, [this] { m_onTick(pointerInside()); });
    watchMovesOn(control);
}

void HoverPolling::watchMovesOn(QWidget& child) {
    child.setMouseTracking(true);
    child.installEventFilter(this);
}

void HoverPolling::start(int intervalMs) {
    m_timer.start(intervalMs);
}

bool HoverPolling::pointerInside() const {
    const QRect onScreen(m_control.mapToGlobal(QPoint(0, 0)), m_control.size());
    return m_control.isVisible() && onScreen.contains(QCursor::pos());
}

bool HoverPolling::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        start(kMoveInterval);
    return QObject::eventFilter(watched, event);
}

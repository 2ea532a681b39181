#include "widgets/CHoverList.h"

#include "widgets/FlatFrames.h"
#include "widgets/HoverPolling.h"

#include <QEvent>
#include <QPainter>

CHoverList::CHoverList(QWidget* parent)
    : QListWidget(parent),
      m_polling(new HoverPolling(*this, [this](bool inside) { onTick(inside); })) {
    m_polling->watchMovesOn(*viewport());
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(2, 2, 2, 2);
}

void CHoverList::onTick(bool inside) {
    if (!inside)
        m_polling->stop();
    setHot(inside);
}

void CHoverList::setHot(bool hot) {
    if (m_hot == hot)
        return;
    m_hot = hot;
    update();
}

void CHoverList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    lightOnFocusChange();
}

void CHoverList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    lightOnFocusChange();
}

void CHoverList::lightOnFocusChange() {
    setHot(true);
    m_polling->start(kFocusInterval);
}

// The frame lies in the margin around the viewport: the list's own paint area, whose paints
// arrive here (the viewport's go to paintEvent).
bool CHoverList::event(QEvent* event) {
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::Paint)
        drawFrames();
    return handled;
}

void CHoverList::drawFrames() {
    QPainter painter(this);
    const FlatColours c = FlatColours::from(palette());
    const QRect r = rect();
    const QColor inner = isEnabled() ? c.face : c.highlight;
    if (m_hot)
        drawFlatFrame(painter, r, c.shadow, c.highlight);
    else
        drawFlatFrame(painter, r, inner);
    drawFlatFrame(painter, r.adjusted(1, 1, -1, -1), inner);
}

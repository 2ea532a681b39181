#include "widgets/CHoverEdit.h"

#include "widgets/FlatFrames.h"
#include "widgets/HoverPolling.h"

#include <QPainter>

namespace {
constexpr int kFrameWidth = 4; // outer frame and the three flat ones
constexpr int kRidgeStep = 3;  // a ridge is two pixels wide, one pixel apart from the next
} // namespace

CHoverEdit::CHoverEdit(QWidget* parent)
    : QLineEdit(parent),
      m_polling(new HoverPolling(*this, [this](bool inside) { onTick(inside); })) {
    updateMargins();
}

void CHoverEdit::setLeftRidges(bool on) {
    m_leftRidges = on;
    updateMargins();
}

void CHoverEdit::setRightRidge(bool on) {
    m_rightRidge = on;
    updateMargins();
}

void CHoverEdit::setFlatFrame(bool on) {
    m_flatFrame = on;
    updateMargins();
}

void CHoverEdit::updateMargins() {
    const int left = (m_flatFrame && m_leftRidges) ? 2 * kRidgeStep : 0;
    const int right = (m_flatFrame && m_rightRidge) ? kRidgeStep : 0;
    setTextMargins(left, 0, right, 0);
    update();
}

void CHoverEdit::onTick(bool inside) {
    if (!inside)
        m_polling->stop();
    setHot(inside);
}

void CHoverEdit::setHot(bool hot) {
    if (m_hot == hot)
        return;
    m_hot = hot;
    update();
}

void CHoverEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const FlatColours c = FlatColours::from(palette());
    QRect r = rect();
    if (m_hot)
        drawFlatFrame(painter, r, c.shadow, c.highlight);
    else
        drawFlatFrame(painter, r, c.face);
    if (!m_flatFrame)
        return;
    for (int i = 1; i < kFrameWidth; ++i) {
        r.adjust(1, 1, -1, -1);
        drawFlatFrame(painter, r, (i == 1 && !isEnabled()) ? c.highlight : c.face);
    }
    if (m_leftRidges) {
        drawRidge(painter, kFrameWidth);
        drawRidge(painter, kFrameWidth + kRidgeStep);
    }
    if (m_rightRidge)
        drawRidge(painter, width() - kFrameWidth - 2);
}

void CHoverEdit::drawRidge(QPainter& painter, int x) const {
    const FlatColours c = FlatColours::from(palette());
    const int top = kFrameWidth;
    const int bottom = height() - kFrameWidth - 1;
    painter.setPen(c.highlight);
    painter.drawLine(x, top, x, bottom);
    painter.setPen(c.shadow);
    painter.drawLine(x + 1, top, x + 1, bottom);
}

#include "widgets/CHoverCombo.h"

#include "widgets/FlatFrames.h"
#include "widgets/HoverPolling.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {
// One flag for every combo box of the program: only one can be under the pointer at a time,
// so the hot look is drawn once and taken back by whichever combo sees the pointer leave.
bool hoverShown = false;
} // namespace

CHoverCombo::CHoverCombo(QWidget* parent)
    : QComboBox(parent),
      m_polling(new HoverPolling(*this, [this](bool inside) { onTick(inside); })) {}

void CHoverCombo::onTick(bool inside) {
    if (!m_pressed && inside) {
        if (hoverShown)
            return;
        hoverShown = true;
        setLook(Look::Hot);
        return;
    }
    m_polling->stop();
    if (hoverShown) {
        setLook(m_pressed ? Look::Pressed : Look::Cold);
        hoverShown = false;
    }
}

void CHoverCombo::setLook(Look look) {
    if (m_look == look)
        return;
    m_look = look;
    update();
}

void CHoverCombo::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QComboBox::mousePressEvent(event);
}

void CHoverCombo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        release();
    QComboBox::mouseReleaseEvent(event);
}

// The open list takes the release for itself, so closing it counts as the release too.
void CHoverCombo::hidePopup() {
    QComboBox::hidePopup();
    release();
}

void CHoverCombo::release() {
    m_pressed = false;
    if (m_look == Look::Pressed)
        m_look = Look::Cold;
    update();
}

void CHoverCombo::paintEvent(QPaintEvent* event) {
    QComboBox::paintEvent(event);
    QPainter painter(this);
    const FlatColours c = FlatColours::from(palette());
    const QRect r = rect();
    if (m_look == Look::Cold)
        drawFlatFrame(painter, r, c.face);
    else
        drawFlatFrame(painter, r, c.shadow, c.highlight);
    drawFlatFrame(painter, r.adjusted(1, 1, -1, -1), isEnabled() ? c.face : c.highlight);
    const int thumb = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QRect button(r.right() - 1 - thumb, r.top() + 2, thumb, r.height() - 4);
    drawFlatFrame(painter, button, c.face);
    drawFlatFrame(painter, button.adjusted(1, 1, -1, -1), c.face);
    if (isEnabled())
        drawButtonOutline(painter, button.adjusted(1, 1, -1, -1));
}

void CHoverCombo::drawButtonOutline(QPainter& painter, QRect button) const {
    const FlatColours c = FlatColours::from(palette());
    const QRect taller = button.adjusted(0, -1, 0, 1);
    switch (m_look) {
    case Look::Cold:
        drawFlatFrame(painter, button, c.highlight);
        break;
    case Look::Hot:
        drawFlatFrame(painter, taller, c.highlight, c.shadow);
        break;
    case Look::Pressed:
        drawFlatFrame(painter, taller.translated(1, 1), c.shadow, c.highlight);
        break;
    }
}

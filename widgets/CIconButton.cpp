#include "widgets/CIconButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

QPixmap loadSvgPicture(const QString& path) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

namespace {

// One-pixel edge: top and left in one colour, bottom and right in the other.
void drawEdge1(QPainter& painter, QRect r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

CIconButton::CIconButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setAttribute(Qt::WA_Hover);
}

void CIconButton::SetIcons(const QString& hoverIcon, const QString& normalIcon) {
    m_hover = loadSvgPicture(hoverIcon);
    m_normal = normalIcon.isEmpty() ? m_hover : loadSvgPicture(normalIcon);
    updateGeometry();
    update();
}

void CIconButton::SetFlat(bool flat) {
    m_flat = flat;
    update();
}

void CIconButton::SetAlign(int align) {
    m_align = align;
    updateGeometry();
    update();
}

void CIconButton::setDrawText(bool on) {
    m_drawText = on;
    update();
}

void CIconButton::setDrawBorder(bool on) {
    m_drawBorder = on;
    update();
}

void CIconButton::setFocusOnFlat(bool on) {
    m_focusOnFlat = on;
    update();
}

QSize CIconButton::sizeHint() const {
    const QSize icon = m_hover.size();
    const QSize caption = (m_drawText && !text().isEmpty())
                              ? fontMetrics().size(Qt::TextShowMnemonic, text())
                              : QSize(0, 0);
    if (m_align == 1)
        return QSize(qMax(icon.width(), caption.width()) + 12,
                     icon.height() + caption.height() + 8);
    return QSize(icon.width() + caption.width() + (caption.width() ? 18 : 8),
                 qMax(icon.height(), caption.height()) + 8);
}

void CIconButton::setMouseOver(bool over) {
    if (m_mouseOver == over)
        return;
    m_mouseOver = over;
    update();
}

// Only flat buttons track the pointer. A press keeps the pointer grabbed until the release,
// so leaving while the button is held does not clear the mark until then.
void CIconButton::enterEvent(QEnterEvent* event) {
    if (m_flat && QApplication::activeWindow())
        setMouseOver(true);
    QPushButton::enterEvent(event);
}

void CIconButton::leaveEvent(QEvent* event) {
    if (!isDown())
        setMouseOver(false);
    QPushButton::leaveEvent(event);
}

void CIconButton::focusOutEvent(QFocusEvent* event) {
    setMouseOver(false);
    QPushButton::focusOutEvent(event);
}

void CIconButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    const bool pressed = isDown();
    const bool hot = (m_mouseOver || pressed);
    if (!m_flat && (hasFocus() || isDefault())) {
        painter.setPen(Qt::black);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    painter.fillRect(r, palette().color(QPalette::Button));
    drawEdge(painter, r, pressed);
    const QRect captionArea = drawIcon(painter, r, pressed, hot);
    if (m_drawText && !text().isEmpty())
        drawCaption(painter, captionArea, pressed, hot);
    if (hasFocus() && (!m_flat || m_focusOnFlat)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CIconButton::drawEdge(QPainter& painter, QRect r, bool pressed) const {
    const QPalette& p = palette();
    const QRect edge = r.adjusted(0, 0, -1, -1);
    if (pressed && !m_flat) {
        painter.setPen(p.color(QPalette::Dark));
        painter.drawRect(edge);
    } else if (pressed && m_drawBorder) {
        drawEdge1(painter, edge, p.color(QPalette::Dark), p.color(QPalette::Light));
    } else if (!pressed && !m_flat) {
        drawEdge1(painter, edge, p.color(QPalette::Light), p.color(QPalette::Shadow));
        drawEdge1(painter, edge.adjusted(1, 1, -1, -1), p.color(QPalette::Midlight),
                  p.color(QPalette::Dark));
    } else if (m_mouseOver && m_drawBorder) {
        drawEdge1(painter, edge, p.color(QPalette::Light), p.color(QPalette::Dark));
    }
}

// Draws the icon and returns the area left for the caption.
QRect CIconButton::drawIcon(QPainter& painter, QRect r, bool pressed, bool hot) const {
    const QPixmap& source = hot ? m_hover : m_normal;
    if (source.isNull())
        return r;
    QPixmap picture = source;
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        picture = style()->generatedIconPixmap(QIcon::Disabled, source, &option);
    }
    const QSize size = m_hover.size();
    const bool hasCaption = m_drawText && !text().isEmpty();
    QPoint at;
    QRect captionArea = r;
    if (hasCaption && m_align == 0) {
        at = QPoint(r.left() + 3, r.top() + (r.height() - size.height()) / 2);
        captionArea.setLeft(r.left() + size.width() + 3);
    } else if (hasCaption) {
        at = QPoint(r.left() + (r.width() - size.width()) / 2, r.top() + 2);
        captionArea.setTop(r.top() + size.height());
    } else {
        at = QPoint(r.left() + (r.width() - size.width()) / 2,
                    r.top() + (r.height() - size.height()) / 2);
    }
    if (pressed)
        at += QPoint(1, 1);
    painter.drawPixmap(at, picture);
    return captionArea;
}

void CIconButton::drawCaption(QPainter& painter, QRect area, bool pressed, bool hot) const {
    Q_UNUSED(hot) // hover and normal text colours are both the palette's button text
    if (pressed)
        area.translate(1, 1);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, text());
}

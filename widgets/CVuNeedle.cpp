#include "widgets/CVuNeedle.h"

#include <QPainter>
#include <QPen>
#include <QtMath>

CVuNeedle::CVuNeedle(const Shape& shape, QWidget* parent) : QWidget(parent), m_shape(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CVuNeedle::setAngle(double degrees) {
    if (qFuzzyCompare(degrees + 360.0, m_angle + 360.0))
        return;
    m_angle = degrees;
    update();
}

void CVuNeedle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radians = qDegreesToRadians(m_angle);
    const QPointF tip =
        m_shape.pivot + QPointF(std::sin(radians), -std::cos(radians)) * m_shape.length;
    painter.setPen(QPen(m_shape.colour, 1.1, Qt::SolidLine, Qt::RoundCap));
    const QRectF above(0, 0, width(), m_shape.shadeTop);
    painter.setClipRect(above);
    painter.drawLine(m_shape.pivot, tip);
    painter.setClipRect(QRectF(0, m_shape.shadeTop, width(), height() - m_shape.shadeTop));
    painter.setOpacity(0.45);
    painter.drawLine(m_shape.pivot, tip);
    painter.setClipping(false);
    painter.setOpacity(1.0);
    painter.setPen(QPen(QColor(0x5d, 0x65, 0x6d), 0.6));
    painter.setBrush(QColor(0x1c, 0x1f, 0x22));
    painter.drawEllipse(m_shape.pivot, m_shape.capRadius, m_shape.capRadius);
}

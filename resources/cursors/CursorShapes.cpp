#include "CursorShapes.h"

#include <QPainterPath>

namespace cursorart {

QPen outline(const QColor& colour) {
    QPen pen(colour, 1.0);
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void fillOutlined(QPainter& p, const QPainterPath& path, const QBrush& brush) {
    p.setPen(outline());
    p.setBrush(brush);
    p.drawPath(path);
}

namespace {

QLinearGradient verticalGradient(const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0, -10, 0, 10);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

} // namespace

void drawPointer(QPainter& p, const QColor& fill) {
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 17);
    arrow.lineTo(5, 13.2);
    arrow.lineTo(7.8, 19.4);
    arrow.lineTo(10.4, 18.2);
    arrow.lineTo(7.6, 12.2);
    arrow.lineTo(13, 12.2);
    arrow.closeSubpath();
    fillOutlined(p, arrow, fill);
}

void drawNote(QPainter& p, const QColor& fill) {
    QPainterPath head, stem, flag;
    head.addEllipse(QPointF(-3.2, 6), 4.2, 3.1);
    stem.addRect(0, -9.5, 1.8, 15);
    flag.moveTo(1.8, -9.5);
    flag.cubicTo(5, -7, 9, -5, 6.5, 1);
    flag.cubicTo(6.5, -2.5, 4.5, -4.5, 1.8, -4.5);
    flag.closeSubpath();
    fillOutlined(p, head.united(stem).united(flag), fill);
}

void drawElectricGuitar(QPainter& p) {
    QPainterPath body; // a V-shaped body pointing down the neck
    body.moveTo(-7, 10);
    body.lineTo(0, 0);
    body.lineTo(7, 10);
    body.lineTo(3.5, 10);
    body.lineTo(0, 5.5);
    body.lineTo(-3.5, 10);
    body.closeSubpath();
    fillOutlined(p, body, verticalGradient(QColor(255, 90, 70), QColor(170, 20, 15)));
    QPainterPath neck;
    neck.addRect(-1, -8, 2, 10);
    fillOutlined(p, neck, QColor(120, 72, 35));
    QPainterPath head;
    head.addRoundedRect(-2, -11, 4, 3.5, 1, 1);
    fillOutlined(p, head, QColor(30, 30, 30));
    p.setPen(outline(QColor(235, 235, 235)));
    p.drawLine(QPointF(0, -7.5), QPointF(0, 6));
}

void drawAcousticGuitar(QPainter& p) {
    QPainterPath lower, upper;
    lower.addEllipse(QPointF(0, 5), 5.4, 5);
    upper.addEllipse(QPointF(0, -0.6), 4, 3.8);
    fillOutlined(p, lower.united(upper),
                 verticalGradient(QColor(236, 170, 90), QColor(160, 92, 35)));
    QPainterPath neck;
    neck.addRect(-0.9, -10.5, 1.8, 8);
    fillOutlined(p, neck, QColor(85, 50, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 20, 10));
    p.drawEllipse(QPointF(0, 2), 1.7, 1.7);
    p.drawRect(QRectF(-2, 7, 4, 1));
}

void drawLeaf(QPainter& p) {
    QPainterPath leaf;
    leaf.moveTo(0, -10);
    leaf.cubicTo(7.5, -6, 7, 4, 0, 9);
    leaf.cubicTo(-7, 4, -7.5, -6, 0, -10);
    fillOutlined(p, leaf, verticalGradient(QColor(140, 220, 90), QColor(40, 130, 45)));
    p.setPen(outline(QColor(25, 80, 30)));
    p.drawLine(QPointF(0, -8), QPointF(0, 10.5));
    for (double y : {-4.0, 0.0, 4.0}) {
        p.drawLine(QPointF(0, y + 1.5), QPointF(3.5, y - 1));
        p.drawLine(QPointF(0, y + 1.5), QPointF(-3.5, y - 1));
    }
}

void drawPropeller(QPainter& p) {
    QPainterPath blades;
    for (int i = 0; i < 3; ++i) {
        QTransform turn;
        turn.rotate(120.0 * i);
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.cubicTo(2, -3, 5, -9, 0, -10);
        blade.cubicTo(-3, -9, -3, -4, 0, 0);
        blades = blades.united(turn.map(blade));
    }
    QRadialGradient glow(0, 0, 10);
    glow.setColorAt(0, QColor(160, 240, 255));
    glow.setColorAt(1, QColor(0, 140, 170));
    fillOutlined(p, blades, glow);
    QPainterPath hub;
    hub.addEllipse(QPointF(0, 0), 2, 2);
    fillOutlined(p, hub, QColor(240, 240, 240));
}

void drawCoffeeCup(QPainter& p, bool steam) {
    QPainterPath saucer;
    saucer.addEllipse(QPointF(-1, 8.4), 8.5, 1.7);
    fillOutlined(p, saucer, QColor(235, 235, 235));
    QPainterPath handle;
    handle.addEllipse(QPointF(5.4, 1.5), 3, 2.8);
    handle.addEllipse(QPointF(5.4, 1.5), 1.6, 1.4);
    handle.setFillRule(Qt::OddEvenFill);
    fillOutlined(p, handle, QColor(250, 250, 250));
    QPainterPath cup;
    cup.moveTo(-7.5, -2.5);
    cup.lineTo(5.5, -2.5);
    cup.lineTo(4.5, 5.5);
    cup.quadTo(4, 7.6, 2, 7.6);
    cup.lineTo(-4, 7.6);
    cup.quadTo(-6, 7.6, -6.5, 5.5);
    cup.closeSubpath();
    fillOutlined(p, cup, verticalGradient(QColor(255, 255, 255), QColor(200, 205, 210)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 30));
    p.drawEllipse(QPointF(-1, -2.3), 6, 1.1);
    if (!steam)
        return;
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    for (double x : {-4.0, -0.5, 3.0}) {
        QPainterPath wisp;
        wisp.moveTo(x, -4.5);
        wisp.cubicTo(x - 2, -6.5, x + 2, -7.5, x, -10);
        p.drawPath(wisp);
    }
}

void drawCigarette(QPainter& p) {
    QPainterPath paper;
    paper.addRect(-5, -0.9, 8, 1.8);
    fillOutlined(p, paper, QColor(250, 250, 250));
    QPainterPath filter;
    filter.addRect(-8, -0.9, 3, 1.8);
    fillOutlined(p, filter, QColor(220, 140, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 30));
    p.drawRect(QRectF(3, -0.9, 1.2, 1.8));
}

} // namespace cursorart

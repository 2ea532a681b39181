// The larger objects of the cursor themes: trumpet, house, helmet, apple and knight.
#include "CursorShapes.h"

#include <QPainterPath>

namespace cursorart {

namespace {

QLinearGradient brass() {
    QLinearGradient gradient(0, -6, 0, 6);
    gradient.setColorAt(0, QColor(255, 235, 140));
    gradient.setColorAt(0.5, QColor(225, 170, 40));
    gradient.setColorAt(1, QColor(150, 100, 20));
    return gradient;
}

} // namespace

void drawTrumpet(QPainter& p) {
    QPainterPath loop;
    loop.addRoundedRect(-6, -0.5, 9, 5, 2.5, 2.5);
    loop.addRoundedRect(-4.8, 0.8, 6.6, 2.4, 1.2, 1.2);
    loop.setFillRule(Qt::OddEvenFill);
    fillOutlined(p, loop, brass());
    QPainterPath valves;
    for (double x : {-3.5, -1.2, 1.1})
        valves.addRect(x, -5, 1.6, 4.2);
    fillOutlined(p, valves, brass());
    QPainterPath tube, bell, mouthpiece;
    tube.addRect(-8.5, -1.4, 13, 2.2);
    bell.moveTo(4, -1.4);
    bell.lineTo(9.5, -6);
    bell.lineTo(9.5, 5.2);
    bell.lineTo(4, 0.8);
    bell.closeSubpath();
    mouthpiece.addRect(-10, -1.9, 1.8, 3.2);
    fillOutlined(p, tube.united(bell).united(mouthpiece), brass());
}

void drawHouse(QPainter& p) {
    QPainterPath chimney;
    chimney.addRect(3.5, -8.5, 2.8, 5.5);
    fillOutlined(p, chimney, QColor(150, 70, 50));
    QPainterPath walls;
    walls.addRect(-7, -1, 14, 10);
    fillOutlined(p, walls, QColor(240, 222, 180));
    QPainterPath roof;
    roof.moveTo(-9.5, -0.5);
    roof.lineTo(0, -9);
    roof.lineTo(9.5, -0.5);
    roof.closeSubpath();
    fillOutlined(p, roof, QColor(190, 65, 45));
    QPainterPath door;
    door.addRect(-4.5, 3, 3.4, 6);
    fillOutlined(p, door, QColor(120, 70, 35));
    QPainterPath window;
    window.addRect(1.5, 1.5, 3.6, 3.4);
    fillOutlined(p, window, QColor(0, 171, 205));
}

void drawSmokePuff(QPainter& p, double size, double opacity) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 238, 240, int(255 * opacity)));
    p.drawEllipse(QPointF(0, 0), size, size * 0.8);
    p.setPen(outline(QColor(90, 95, 100, int(255 * opacity))));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), size, size * 0.8);
}

void drawHelmet(QPainter& p) {
    QPen crest(QColor(200, 30, 30), 3.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(crest);
    p.setBrush(Qt::NoBrush);
    QPainterPath plume;
    plume.moveTo(-7, -5);
    plume.cubicTo(-4, -11.5, 5, -11.5, 8.5, -3);
    p.drawPath(plume);
    QPainterPath shell; // a bronze helmet with a T-shaped face opening
    shell.moveTo(-7, 9);
    shell.lineTo(-7.5, 0);
    shell.cubicTo(-7.5, -9, 7.5, -9, 7.5, 0);
    shell.lineTo(7, 9);
    shell.lineTo(2.6, 9);
    shell.lineTo(1.4, 2);
    shell.lineTo(5, 0.5);
    shell.lineTo(5, -1.5);
    shell.lineTo(-5, -1.5);
    shell.lineTo(-5, 0.5);
    shell.lineTo(-1.4, 2);
    shell.lineTo(-2.6, 9);
    shell.closeSubpath();
    fillOutlined(p, shell, brass());
}

void drawSword(QPainter& p) {
    QPainterPath blade;
    blade.moveTo(-0.9, -2);
    blade.lineTo(-0.9, -10);
    blade.lineTo(0, -11.5);
    blade.lineTo(0.9, -10);
    blade.lineTo(0.9, -2);
    blade.closeSubpath();
    fillOutlined(p, blade, QColor(225, 232, 238));
    QPainterPath guard, grip;
    guard.addRect(-3, -2, 6, 1.3);
    grip.addRect(-0.7, -0.7, 1.4, 3.2);
    fillOutlined(p, guard.united(grip), QColor(190, 140, 40));
}

void drawApple(QPainter& p) {
    QPainterPath left, right;
    left.addEllipse(QPointF(-2.6, 1.5), 5.6, 6.2);
    right.addEllipse(QPointF(2.6, 1.5), 5.6, 6.2);
    QRadialGradient shine(-2.5, -1.5, 9);
    shine.setColorAt(0, QColor(255, 130, 110));
    shine.setColorAt(0.6, QColor(215, 30, 30));
    shine.setColorAt(1, QColor(140, 10, 10));
    fillOutlined(p, left.united(right), shine);
    p.setPen(QPen(QColor(90, 55, 20), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -4), QPointF(1.2, -8.5));
    QPainterPath leaf;
    leaf.moveTo(1.4, -7);
    leaf.cubicTo(3, -10, 6.5, -9.5, 7, -8);
    leaf.cubicTo(5.5, -6, 3, -6, 1.4, -7);
    fillOutlined(p, leaf, QColor(80, 180, 60));
}

void drawKnight(QPainter& p) {
    QPainterPath piece;
    piece.moveTo(-6.5, 7);
    piece.cubicTo(-6, 2.5, -2.5, 0.5, -2.8, -2.5);
    piece.lineTo(-6.8, -0.2);
    piece.lineTo(-8.2, -2.6);
    piece.lineTo(-3.2, -8.5);
    piece.lineTo(-2.6, -10.5);
    piece.lineTo(-0.8, -9);
    piece.cubicTo(4, -9.5, 7, -5, 6.5, 0);
    piece.cubicTo(6.2, 3, 4.8, 4.5, 5.5, 7);
    piece.closeSubpath();
    QPainterPath base;
    base.addRoundedRect(-8, 7, 16, 3, 1, 1);
    QLinearGradient steel(-8, 0, 8, 0);
    steel.setColorAt(0, QColor(250, 250, 252));
    steel.setColorAt(1, QColor(160, 170, 180));
    fillOutlined(p, piece.united(base), steel);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-1.8, -5.5), 0.9, 0.9);
}

} // namespace cursorart

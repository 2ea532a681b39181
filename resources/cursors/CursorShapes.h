#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

// The objects of the cursor themes. Each is drawn centred on the painter's origin inside a
// box of 20 x 20 units; the caller translates, rotates and scales. Outlines are one device
// pixel wide, so every object stays visible on light and dark backgrounds alike.
namespace cursorart {

// One-pixel outline pen, and a path filled with `brush` inside that outline.
QPen outline(const QColor& colour = Qt::black);
void fillOutlined(QPainter& p, const QPainterPath& path, const QBrush& brush);

// The classic arrow with its tip at (1, 1), 12 x 19 pixels, in device coordinates.
void drawPointer(QPainter& p, const QColor& fill);

void drawNote(QPainter& p, const QColor& fill);
void drawElectricGuitar(QPainter& p);
void drawAcousticGuitar(QPainter& p);
void drawLeaf(QPainter& p);
void drawPropeller(QPainter& p);
void drawCoffeeCup(QPainter& p, bool steam);
void drawCigarette(QPainter& p);
void drawTrumpet(QPainter& p);
void drawHouse(QPainter& p);
void drawSmokePuff(QPainter& p, double size, double opacity);
void drawHelmet(QPainter& p);
void drawSword(QPainter& p);
void drawApple(QPainter& p);
void drawKnight(QPainter& p);

} // namespace cursorart

#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;

// The four colours the flat controls draw with, taken from the palette when they draw, so a
// change of the desktop's colours shows at the next paint.
struct FlatColours {
    QColor face;       // button face
    QColor highlight;  // button highlight
    QColor shadow;     // button shadow
    QColor darkShadow; // 3-D dark shadow
    static FlatColours from(const QPalette& palette);
};

// A one-pixel frame just inside r: top and left in one colour, bottom and right in the other.
void drawFlatFrame(QPainter& painter, const QRect& r, const QColor& topLeft,
                   const QColor& bottomRight);
inline void drawFlatFrame(QPainter& painter, const QRect& r, const QColor& all) {
    drawFlatFrame(painter, r, all, all);
}

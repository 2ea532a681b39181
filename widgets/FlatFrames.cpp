#include "widgets/FlatFrames.h"

#include <QPainter>
#include <QPalette>

FlatColours FlatColours::from(const QPalette& palette) {
    return {palette.color(QPalette::Button), palette.color(QPalette::Light),
            palette.color(QPalette::Dark), palette.color(QPalette::Shadow)};
}

void drawFlatFrame(QPainter& painter, const QRect& r, const QColor& topLeft,
                   const QColor& bottomRight) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

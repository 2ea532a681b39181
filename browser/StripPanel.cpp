#include "browser/StripPanel.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace strippanel {

namespace {

// Measures of the skin (resources/art/background.svg) the panel carries on.
constexpr int kFoot = 7;         // the skin's last rows: its rounded bottom, painted over
constexpr int kWellLeft = 16;    // the transport bar's well, which is not centred
constexpr int kWellRight = 11;   // (from the window's right edge)
constexpr int kLabelRoom = 6;    // from the skin's end to the well: the label's line
constexpr int kWellBorder = 2;   // from the well's edge to the strip
constexpr int kBottomMargin = 8; // from the well to the window's bottom
constexpr double kCorner = 9;    // the chassis' corner radius
const QColor kRim(0x20, 0x23, 0x26);
const QColor kChassis(0x14, 0x16, 0x18);
const QColor kLabel(0x7d, 0x8a, 0x91);

QPainterPath roundedInset(const QRect& window, double inset) {
    QPainterPath path;
    path.addRoundedRect(QRectF(window).adjusted(inset, inset, -inset, -inset), kCorner - inset,
                        kCorner - inset);
    return path;
}

void paintChassis(QPainter& painter, const QRect& window, int skinHeight) {
    painter.save();
    painter.setClipRect(QRect(0, skinHeight - kFoot, window.width(), window.height()));
    painter.fillPath(roundedInset(window, 0), Qt::black);
    painter.fillPath(roundedInset(window, 1), kRim);
    painter.fillPath(roundedInset(window, 2), kChassis);
    // The skin's faint lines every other row.
    painter.setPen(QColor(255, 255, 255, 6));
    for (int y = skinHeight - kFoot + 1; y < window.height() - 3; y += 2)
        painter.drawLine(3, y, window.width() - 4, y);
    painter.restore();
}

void paintLabel(QPainter& painter, const QRect& well) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(6);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    painter.setFont(font);
    painter.setPen(kLabel);
    painter.drawText(QPoint(well.left() + 6, well.top() - 2), QStringLiteral("WAVEFORM"));
}

void paintWell(QPainter& painter, const QRect& well) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outer;
    outer.addRoundedRect(QRectF(well), 5, 5);
    painter.fillPath(outer, QColor(0x08, 0x09, 0x0a));
    QLinearGradient inside(0, well.top(), 0, well.bottom());
    inside.setColorAt(0, QColor(0x08, 0x09, 0x0a));
    inside.setColorAt(1, QColor(0x12, 0x14, 0x16));
    QPainterPath inner;
    inner.addRoundedRect(QRectF(well).adjusted(1, 1, -1, -1), 4.5, 4.5);
    painter.fillPath(inner, inside);
    painter.setPen(QColor(0x7b, 0x84, 0x8d, 102)); // the light along the bar's lower edge
    painter.drawLine(QPointF(well.left() + 1.5, well.bottom() + 0.5),
                     QPointF(well.right() - 0.5, well.bottom() + 0.5));
    painter.restore();
}

} // namespace

int extraHeight(int stripHeight) {
    return kLabelRoom + stripHeight + 2 * kWellBorder + kBottomMargin;
}

QRect stripPlace(int windowWidth, int skinHeight, int stripHeight) {
    const int left = kWellLeft + kWellBorder;
    const int right = kWellRight + kWellBorder;
    return QRect(left, skinHeight + kLabelRoom + kWellBorder, windowWidth - left - right,
                 stripHeight);
}

void paint(QPainter& painter, const QRect& window, int skinHeight, const QRect& strip) {
    paintChassis(painter, window, skinHeight);
    const QRect well = strip.adjusted(-kWellBorder, -kWellBorder, kWellBorder, kWellBorder);
    paintLabel(painter, well);
    paintWell(painter, well);
}

} // namespace strippanel

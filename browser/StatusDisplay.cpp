#include "browser/StatusDisplay.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace statusdisplay {

namespace {

constexpr int kLeft = 245;
constexpr int kFirstTop = 25;
constexpr int kLineStep = 12;

// What shows of a line: its trailing blanks only wipe a longer previous text, which a whole
// repaint does anyway.
QString visiblePart(const QString& text) {
    QString shown = text;
    while (shown.endsWith(QLatin1Char(' ')))
        shown.chop(1);
    return shown;
}

int widthOf(const QString& text, const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(visiblePart(text));
}

} // namespace

QFont fontFor(const QString& line1, const QString& line2) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(10);
    const int room = kInside.right() - kLeft;
    for (int stretch = 100; stretch > 50; stretch -= 5) {
        font.setStretch(stretch);
        if (std::max(widthOf(line1, font), widthOf(line2, font)) <= room)
            break;
    }
    return font;
}

// The lines keep their place from the top while they fit; the second is moved up as far as
// the window's inside needs, and the first with it.
QRect lineRect(int line, const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    const int height = metrics.height();
    const int lowestTop = kInside.bottom() + 1 - height - kLineStep;
    const int firstTop = std::max(kInside.top(), std::min(kFirstTop, lowestTop));
    return QRect(kLeft, firstTop + line * kLineStep, widthOf(text, font), height);
}

void paint(QPainter& painter, const QString& line1, const QString& line2) {
    const QFont font = fontFor(line1, line2);
    painter.save();
    painter.setClipRect(kInside);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::black);
    painter.setPen(QColor(0, 171, 205));
    const int ascent = QFontMetrics(font).ascent();
    for (const auto& [line, text] : {std::pair{0, line1}, std::pair{1, line2}})
        painter.drawText(QPoint(kLeft, lineRect(line, text, font).top() + ascent), text);
    painter.restore();
}

} // namespace statusdisplay

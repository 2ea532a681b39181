#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// The two status lines, drawn into the display window of the skin: black, framed by a rim
// that the lines never cover. Line 1 starts at (245, 25) and line 2 twelve pixels below, as
// far as the window's inside lets them; a font narrow enough for the longest lines of a
// folder of 100,000 sounds keeps both whole.
namespace statusdisplay {

// The inside of the display window, within its rim.
inline constexpr QRect kInside{241, 15, 111, 31};

// The font of the lines: 10 pixels high, narrowed as far as the wider line needs.
QFont fontFor(const QString& line1, const QString& line2);
// Where each line goes (0 or 1), as the font draws it.
QRect lineRect(int line, const QString& text, const QFont& font);
void paint(QPainter& painter, const QString& line1, const QString& line2);

} // namespace statusdisplay

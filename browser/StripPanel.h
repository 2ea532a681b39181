#pragma once

#include <QRect>

class QPainter;

// The room under the skin that holds the waveform strip, drawn as more of the same chassis: a
// small-caps label and a dark well lined up with the transport bar above it, the strip inside
// the well as the list sits in its own.
namespace strippanel {

// How much taller the window grows for a strip of that height.
int extraHeight(int stripHeight);
// Where the strip goes in a window of that width whose skin is skinHeight high.
QRect stripPlace(int windowWidth, int skinHeight, int stripHeight);
// Paints over the skin's rounded foot: the chassis goes on down to the window's bottom.
void paint(QPainter& painter, const QRect& window, int skinHeight, const QRect& strip);

} // namespace strippanel

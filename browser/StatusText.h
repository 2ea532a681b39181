#pragma once

#include <QString>

// The two status lines of the main window. Both end in three blanks, which overwrite the tail
// of a longer text drawn before.
QString statusPlayTimeLine(double playTime, const QString& channelsText);
QString statusPositionLine(int number, int count);
// "%.2f" of a play time, as every window and list prints it.
QString formatSeconds(double seconds);

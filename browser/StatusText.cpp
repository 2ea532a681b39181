#include "browser/StatusText.h"

QString formatSeconds(double seconds) {
    return QString::asprintf("%.2f", seconds);
}

QString statusPlayTimeLine(double playTime, const QString& channelsText) {
    return formatSeconds(playTime) + QStringLiteral(" sec, ") + channelsText +
           QStringLiteral("   ");
}

QString statusPositionLine(int number, int count) {
    return QStringLiteral("Sound %1 from %2   ").arg(number).arg(count);
}

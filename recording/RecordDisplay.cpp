#include "recording/RecordDisplay.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Full scale is 3 dB above 0 VU.
constexpr double kHeadroomDb = 3.0;

struct ScaleMark {
    double vu;
    double angle;
};
// The marks as the Record picture prints them, from the left end to the right.
constexpr std::array<ScaleMark, 7> kMarks{{
    {-20.0, -50.0},
    {-10.0, -6.5},
    {-7.0, 6.5},
    {-5.0, 15.2},
    {-3.0, 23.9},
    {0.0, 37.0},
    {3.0, 50.0},
}};

} // namespace

double peakToVu(float peak) {
    if (!(peak > 0.0f))
        return LevelMeter::kLowestVu;
    const double vu = 20.0 * std::log10(double(peak)) + kHeadroomDb;
    return std::clamp(vu, LevelMeter::kLowestVu, LevelMeter::kHighestVu);
}

double vuToNeedleAngle(double vu) {
    if (vu <= kMarks.front().vu)
        return kMarks.front().angle;
    for (std::size_t i = 1; i < kMarks.size(); ++i) {
        const ScaleMark& low = kMarks[i - 1];
        const ScaleMark& high = kMarks[i];
        if (vu <= high.vu)
            return low.angle + (vu - low.vu) / (high.vu - low.vu) * (high.angle - low.angle);
    }
    return kMarks.back().angle;
}

void LevelMeter::update(float peak, int elapsedMs) {
    const double reading = peakToVu(peak);
    const double fallen = m_vu - kFallVuPerSecond * std::max(elapsedMs, 0) / 1000.0;
    m_vu = std::max(reading, fallen);
}

double LevelMeter::needleAngle() const {
    return vuToNeedleAngle(m_vu);
}

QString elapsedText(qint64 elapsedMs) {
    const qint64 seconds = std::max<qint64>(elapsedMs, 0) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

#pragma once

#include <QString>

// What the Record dialog shows while it records.

// The input meter: the loudest recent sample on the dialog's VU scale (-20 to +3), rising at
// once and falling back slowly, as a needle does. Full scale reads +3 VU, the end of the red
// zone, so a needle at the stop means the input clips.
class LevelMeter {
public:
    static constexpr double kLowestVu = -20.0;
    static constexpr double kHighestVu = 3.0;
    static constexpr double kFallVuPerSecond = 20.0;

    // A reading of the device's peak (0 silence .. 1 full scale), elapsedMs after the last one.
    void update(float peak, int elapsedMs);
    double vu() const { return m_vu; }
    // Where the needle points along the printed scale: degrees from upright, left negative.
    double needleAngle() const;

private:
    double m_vu = kLowestVu;
};

// A peak (0..1) in VU on the meter's scale, held within its ends.
double peakToVu(float peak);
// The printed scale's marks, joined by straight pieces.
double vuToNeedleAngle(double vu);

// Elapsed recording time as minutes and seconds, "0:07", "12:30".
QString elapsedText(qint64 elapsedMs);

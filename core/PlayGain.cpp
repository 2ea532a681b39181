#include "core/PlayGain.h"

#include <algorithm>
#include <cmath>

std::optional<double> evenLoudnessGainDb(double integrated, double truePeak) {
    if (!std::isfinite(integrated))
        return std::nullopt;
    const double toTarget = kEvenLoudnessLufs - integrated;
    if (!std::isfinite(truePeak))
        return toTarget;
    return std::min(toTarget, kTruePeakCeilingDbtp - truePeak);
}

float factorOfDb(double decibels) {
    return float(std::pow(10.0, decibels / 20.0));
}

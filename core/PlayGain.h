#pragma once

#include <QString>
#include <optional>

// How loud a sound is played: a factor on its samples, asked for at each play.
class IPlayGain {
public:
    virtual ~IPlayGain() = default;
    // The factor for the sound file at path; 1 plays it as recorded.
    virtual float gainFor(const QString& path) = 0;
};

// Even loudness: every sound brought to the same integrated loudness, as long as its true peak
// stays at or below the ceiling.
inline constexpr double kEvenLoudnessLufs = -23.0;
inline constexpr double kTruePeakCeilingDbtp = -1.0;

// The gain in dB that brings a sound of this integrated loudness (LUFS) and true peak (dBTP) to
// kEvenLoudnessLufs, lowered where the peak would pass kTruePeakCeilingDbtp. Nothing when the
// figures say nothing to go by (a silent sound, or one too short for an integrated loudness).
std::optional<double> evenLoudnessGainDb(double integrated, double truePeak);
float factorOfDb(double decibels);

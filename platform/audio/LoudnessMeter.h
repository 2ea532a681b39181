#pragma once

#include <QString>
#include <expected>
#include <functional>

// EBU R128 loudness of a sound file.
struct LoudnessFacts {
    double integrated = 0; // LUFS; -inf for silence or a sound shorter than 0.4 s
    double truePeak = 0;   // dBTP; -inf for silence
    bool estimate = false; // a quick measure: of the start, with the sample peak as true peak

    bool operator==(const LoudnessFacts&) const = default;
};

// Decodes the file once and measures its integrated loudness and true peak; a long sound is
// shared out in pieces to two threads. With a limit above 0 it is a quick estimate:
// of the first limitSeconds only, and the sample peak stands for the true peak. The error names
// the file and what is wrong with it.
std::expected<LoudnessFacts, QString> measureLoudness(const QString& path, double limitSeconds = 0);
using LoudnessMeasure =
    std::function<std::expected<LoudnessFacts, QString>(const QString& path, double limitSeconds)>;

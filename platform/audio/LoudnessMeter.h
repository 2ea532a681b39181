#pragma once

#include <QString>
#include <expected>

// EBU R128 loudness of a whole sound file.
struct LoudnessFacts {
    double integrated = 0; // LUFS; -inf for silence
    double truePeak = 0;   // dBTP; -inf for silence
};

// Decodes the file once and measures its integrated loudness and true peak (libebur128). The
// error names the file and what is wrong with it.
std::expected<LoudnessFacts, QString> measureLoudness(const QString& path);

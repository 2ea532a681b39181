#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>

// Format facts of one WAV file, taken from the first 16 bytes of its "fmt " chunk.
struct WaveInfo {
    uint32_t formatTag = 0;
    uint32_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t avgBytesPerSecond = 0;
    uint32_t blockAlign = 0;
    uint32_t bitsPerSample = 0;
    QString channelsText; // "Mono" for one channel, "Stereo" otherwise
    QString formatText;   // always "PCM"
};

// Reads the RIFF header and the "fmt " chunk of path into info. Never reads sample data.
// On any failure returns false and leaves info exactly as it was.
bool ReadWaveInfo(const QString& path, WaveInfo& info);
// The same on bytes already in memory (the file reader and the fuzz target share it).
bool ReadWaveInfoFromBytes(const QByteArray& bytes, WaveInfo& info);
// The same on the first 16 bytes of a "fmt " chunk; fewer bytes fail.
bool ReadWaveInfoFromFmt(const QByteArray& fmt, WaveInfo& info);

// Play time in seconds: the whole file length (headers included) over the average bytes per
// second. A zero rate gives 0 rather than an infinite or undefined number.
double playTimeSeconds(qint64 fileLength, const WaveInfo& info);

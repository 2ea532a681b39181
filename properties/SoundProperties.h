#pragma once

#include <QString>
#include <array>

class IFileSystem;
class CWavePlayer;
struct WaveInfo;
struct SoundRow;

// The read-only facts the properties dialog shows about one sound, all as display text.
struct SoundProperties {
    QString fileName; // name + ".wav", or name + its own extension for another type
    QString type;
    QString location;   // the folder
    QString size;       // empty when the file is gone
    QString attributes; // "Read-Only" when the user may not write the file, else empty
    QString format;
    QString playTime;
    // Format tag, channels, samples per second, average bytes per second, block align and bits
    // per sample, top to bottom as the advanced dialog lists them.
    std::array<QString, 6> advanced;

    QString file; // the sound's file

    const QString& path() const { return file; }
};

// Reads the file's size and writability and its format header through the player, which keeps
// the last readable header when this one cannot be read.
SoundProperties readSoundProperties(IFileSystem& files, CWavePlayer& player, const QString& folder,
                                    const SoundRow& row);

QString sizeText(qint64 bytes);
QString formatText(const WaveInfo& info);
std::array<QString, 6> advancedTexts(const WaveInfo& info);

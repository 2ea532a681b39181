#pragma once

#include <QString>
#include <cstdint>

// How far a file looks like a RIFF WAVE file, to explain why a decoder refused it.
struct WaveShape {
    // TooManyChunks: the walk gave up before it found the sound (RiffChunks::kMaxChunks).
    enum Kind { NotWave, Damaged, TooManyChunks, Complete };
    Kind kind = NotWave;
    // The numbers of a complete file's "fmt " chunk.
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;
};

// The numbers no decoder plays, whatever the format: no channels or more than it mixes, a
// rate outside what an output can take, PCM samples of no bits or more than 32.
enum class ImpossibleNumber { None, Channels, Rate, Bits };
ImpossibleNumber impossibleNumberOf(const WaveShape& shape);

// Walks the top-level chunks: Complete needs a "fmt " chunk of at least 16 bytes and a "data"
// chunk header.
WaveShape inspectWaveShape(const QString& path);

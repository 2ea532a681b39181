#pragma once

#include <QString>
#include <cstdint>

// How far a file looks like a RIFF WAVE file, to explain why a decoder refused it.
struct WaveShape {
    enum Kind { NotWave, Damaged, Complete };
    Kind kind = NotWave;
    uint16_t formatTag = 0; // of a complete file
};

// Walks the top-level chunks: Complete needs a "fmt " chunk of at least 16 bytes and a "data"
// chunk header.
WaveShape inspectWaveShape(const QString& path);

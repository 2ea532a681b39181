#pragma once

#include "DemoSynth.h"

#include <cstdint>
#include <string>
#include <vector>

namespace demo {

// How one demo file is laid out on disk. The odd layouts are written on purpose: the
// collection doubles as a set of real-world headers for the program's own WAV reader.
struct WavLayout {
    enum class Encoding { Pcm, Float };
    Encoding encoding = Encoding::Pcm;
    int bits = 16;              // 8 (unsigned), 16, 24 (PCM) or 32 (float)
    bool extendedFmt = false;   // 18-byte "fmt " with cbSize 0
    bool infoListFirst = false; // LIST/INFO chunk between "WAVE" and "fmt "
    bool oddChunkFirst = false; // unknown odd-sized chunk plus pad byte before "fmt "
    std::string title;          // INAM text of the LIST/INFO chunk
};

std::vector<uint8_t> encodeWav(const Sound& sound, const WavLayout& layout);

} // namespace demo

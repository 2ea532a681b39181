#pragma once

#include "platform/audio/SoundPeaks.h"

#include <array>
#include <cstdint>

// Turns interleaved 16-bit frames, handed in pieces of any size, into peaks.
class PeakAccumulator {
public:
    PeakAccumulator(int channels, int sampleRate);

    void add(const int16_t* samples, qint64 frameCount);
    // The peaks of everything added; a last short block counts as a block.
    SoundPeaks finish();

private:
    void addWholeBlock(const int16_t* samples);
    void addFrames(const int16_t* samples, qint64 frameCount);
    void closeBlock();

    int m_channels;
    SoundPeaks m_peaks;
    int m_framesInBlock = 0;
    std::array<int16_t, 2> m_min{};
    std::array<int16_t, 2> m_max{};
};

#pragma once

#include "platform/audio/SoundPeaks.h"

#include <array>
#include <vector>

// The lowest and highest sample under one pixel column, per lane.
struct ColumnPeak {
    std::array<int16_t, 2> low{};
    std::array<int16_t, 2> high{};
};

// The peaks spread over width columns: each column covers its share of the blocks (at least
// one, so a short sound is stretched rather than left with gaps). Empty for no blocks.
std::vector<ColumnPeak> columnsOf(const SoundPeaks& peaks, int width);

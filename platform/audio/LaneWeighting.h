#pragma once

#include <cstdint>

// The K-weighting of many stretches of a signal side by side, one stretch per lane of the
// vector unit: 16 lanes where the processor has AVX-512, 8 elsewhere (widestLanes()).

struct LaneFilter {
    float b0, b1, b2, a1, a2; // the shelf
    float c1, c2;             // the high pass's feedback (its feed forward is 1, -2, 1)
};

struct LaneRun {
    const float* frames; // interleaved; lane j starts at frame j * segmentFrames
    int64_t segmentFrames;
    int64_t historyFrames; // frames each lane settles on before its first step
    int64_t stepFrames;
    int64_t steps; // per lane
};

// Runs the K-weighting down every lane of one or two channels at once and writes each lane's
// sum of squares per step (after its history) to energy[(channel * lanes + lane) * steps + step].
// lanes is 8, or 16 where widestLanes() says so.
void weighLanes(int lanes, int channels, const LaneRun& run, const LaneFilter& filter,
                float* energy);

#include "platform/audio/LaneWeighting.h"

#include "platform/audio/VectorLanes.h"

#include <cstddef>
#include <utility>

namespace {

// One step of the W x W transpose: rows i and i + B swap their off-diagonal blocks of B.
template <int W, int B, size_t... I>
LANES_INLINE void swapBlocks(typename Vector<W>::type& upper, typename Vector<W>::type& lower,
                             std::index_sequence<I...>) {
    const auto a = upper, b = lower;
    upper = __builtin_shufflevector(a, b, ((I & B) ? W + I - B : I)...);
    lower = __builtin_shufflevector(a, b, ((I & B) ? W + I : I + B)...);
}

template <int W, int B> LANES_INLINE void swapAllBlocks(typename Vector<W>::type (&rows)[W]) {
    for (int i = 0; i < W; ++i)
        if ((i & B) == 0)
            swapBlocks<W, B>(rows[i], rows[i + B], std::make_index_sequence<W>());
}

template <int W> LANES_INLINE void transpose(typename Vector<W>::type (&rows)[W]) {
    if constexpr (W == 16)
        swapAllBlocks<W, 8>(rows);
    swapAllBlocks<W, 4>(rows);
    swapAllBlocks<W, 2>(rows);
    swapAllBlocks<W, 1>(rows);
}

template <int W, size_t... I>
LANES_INLINE void splitStereo(const float* at, typename Vector<W>::type& left,
                              typename Vector<W>::type& right, std::index_sequence<I...>) {
    typename Vector<W>::type a, b;
    load<W>(at, a);
    load<W>(at + W, b);
    left = __builtin_shufflevector(a, b, (2 * I)...);
    right = __builtin_shufflevector(a, b, (2 * I + 1)...);
}

template <int W> struct LaneState {
    using V = typename Vector<W>::type;
    V s1{}, s2{}, h1{}, h2{}, sum{};

    LANES_INLINE void add(const LaneFilter& f, const V& x) {
        const V y = f.b0 * x + s1;
        s1 = f.b1 * x - f.a1 * y + s2;
        s2 = f.b2 * x - f.a2 * y;
        const V z = y + h1;
        h1 = -2 * y - f.c1 * z + h2;
        h2 = y - f.c2 * z;
        sum += z * z;
    }
};

// Loads W frames of each lane and turns them so that rows[c][t] holds every lane's sample of
// channel c at time t0 + t.
template <int W, int Channels>
LANES_INLINE void loadRows(const LaneRun& run, int64_t t0,
                           typename Vector<W>::type (&rows)[Channels][W]) {
    for (int j = 0; j < W; ++j) {
        const float* at = run.frames + (j * run.segmentFrames + t0) * Channels;
        if constexpr (Channels == 1)
            load<W>(at, rows[0][j]);
        else
            splitStereo<W>(at, rows[0][j], rows[1][j], std::make_index_sequence<W>());
    }
    for (auto& channelRows : rows)
        transpose<W>(channelRows);
}

template <int W, int Channels>
LANES_INLINE void weigh(const LaneRun& run, const LaneFilter& f, float* energy) {
    LaneState<W> state[Channels];
    int64_t untilStep = run.historyFrames, step = -1;
    for (int64_t t0 = 0; step < run.steps; t0 += W) {
        typename Vector<W>::type rows[Channels][W];
        loadRows<W, Channels>(run, t0, rows);
        for (int t = 0; t < W; ++t) {
            for (int c = 0; c < Channels; ++c)
                state[c].add(f, rows[c][t]);
            if (--untilStep > 0)
                continue;
            for (int c = 0; c < Channels; ++c) {
                if (step >= 0)
                    for (int j = 0; j < W; ++j)
                        energy[(c * W + j) * run.steps + step] = state[c].sum[j];
                state[c].sum = typename Vector<W>::type{};
            }
            untilStep = run.stepFrames;
            if (++step == run.steps)
                break;
        }
    }
}

WIDE_BUILD void weigh16(int channels, const LaneRun& run, const LaneFilter& f, float* energy) {
    if (channels == 1)
        weigh<16, 1>(run, f, energy);
    else
        weigh<16, 2>(run, f, energy);
}

NARROW_BUILD void weigh8(int channels, const LaneRun& run, const LaneFilter& f, float* energy) {
    if (channels == 1)
        weigh<8, 1>(run, f, energy);
    else
        weigh<8, 2>(run, f, energy);
}

} // namespace

void weighLanes(int lanes, int channels, const LaneRun& run, const LaneFilter& filter,
                float* energy) {
    if (lanes == 16 && widestLanes() == 16)
        weigh16(channels, run, filter, energy);
    else
        weigh8(channels, run, filter, energy);
}

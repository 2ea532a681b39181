#include "platform/audio/LaneWeighting.h"

#include <cstddef>
#include <utility>

namespace {

#define ALWAYS_INLINE inline __attribute__((always_inline))

template <int W> struct Vector {
    typedef float type __attribute__((vector_size(W * sizeof(float))));
    // The same from any float address (vector types may alias their elements).
    typedef float unaligned
        __attribute__((vector_size(W * sizeof(float)), aligned(alignof(float))));
};

template <int W> ALWAYS_INLINE void load(const float* from, typename Vector<W>::type& into) {
    into = *reinterpret_cast<const typename Vector<W>::unaligned*>(from);
}

// One step of the W x W transpose: rows i and i + B swap their off-diagonal blocks of B.
template <int W, int B, size_t... I>
ALWAYS_INLINE void swapBlocks(typename Vector<W>::type& upper, typename Vector<W>::type& lower,
                              std::index_sequence<I...>) {
    const auto a = upper, b = lower;
    upper = __builtin_shufflevector(a, b, ((I & B) ? W + I - B : I)...);
    lower = __builtin_shufflevector(a, b, ((I & B) ? W + I : I + B)...);
}

template <int W, int B> ALWAYS_INLINE void swapAllBlocks(typename Vector<W>::type (&rows)[W]) {
    for (int i = 0; i < W; ++i)
        if ((i & B) == 0)
            swapBlocks<W, B>(rows[i], rows[i + B], std::make_index_sequence<W>());
}

template <int W> ALWAYS_INLINE void transpose(typename Vector<W>::type (&rows)[W]) {
    if constexpr (W == 16)
        swapAllBlocks<W, 8>(rows);
    swapAllBlocks<W, 4>(rows);
    swapAllBlocks<W, 2>(rows);
    swapAllBlocks<W, 1>(rows);
}

template <int W, size_t... I>
ALWAYS_INLINE void splitStereo(const float* at, typename Vector<W>::type& left,
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

    ALWAYS_INLINE void add(const LaneFilter& f, const V& x) {
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
ALWAYS_INLINE void loadRows(const LaneRun& run, int64_t t0,
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
ALWAYS_INLINE void weigh(const LaneRun& run, const LaneFilter& f, float* energy) {
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

// Sixteen lanes fill AVX-512's registers; with fewer or narrower registers eight lanes keep the
// rows out of memory. The sanitizers start too late for a choice made when the program loads.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) &&                             \
    !defined(__SANITIZE_ADDRESS__)
#define AVX512_BUILD __attribute__((target("arch=x86-64-v4")))
#define AVX2_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
bool hasAvx512() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
           __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq") &&
           __builtin_cpu_supports("avx512cd");
}
#else
#define AVX512_BUILD
#define AVX2_CLONES
bool hasAvx512() {
    return false;
}
#endif

AVX512_BUILD void weigh16(int channels, const LaneRun& run, const LaneFilter& f, float* energy) {
    if (channels == 1)
        weigh<16, 1>(run, f, energy);
    else
        weigh<16, 2>(run, f, energy);
}

AVX2_CLONES void weigh8(int channels, const LaneRun& run, const LaneFilter& f, float* energy) {
    if (channels == 1)
        weigh<8, 1>(run, f, energy);
    else
        weigh<8, 2>(run, f, energy);
}

} // namespace

int weighingLanes() {
    static const int lanes = hasAvx512() ? 16 : 8;
    return lanes;
}

void weighLanes(int lanes, int channels, const LaneRun& run, const LaneFilter& filter,
                float* energy) {
    if (lanes == 16 && weighingLanes() == 16)
        weigh16(channels, run, filter, energy);
    else
        weigh8(channels, run, filter, energy);
}

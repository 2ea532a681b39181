#include "platform/audio/TruePeak.h"

#include "platform/audio/VectorLanes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace truepeak {
namespace {

constexpr int kPhases = 4;
constexpr int kTaps = 12;
static_assert(kTaps == kHistory + 1);

// Phase p's output at sample n is the sum over k of kFilter[p][k] * x[n - k].
constexpr float kFilter[kPhases][kTaps] = {
    {0.0017089843750f, 0.0109863281250f, -0.0196533203125f, 0.0332031250000f, -0.0594482421875f,
     0.1373291015625f, 0.9721679687500f, -0.1022949218750f, 0.0476074218750f, -0.0266113281250f,
     0.0148925781250f, -0.0083007812500f},
    {-0.0291748046875f, 0.0292968750000f, -0.0517578125000f, 0.0891113281250f, -0.1665039062500f,
     0.4650878906250f, 0.7797851562500f, -0.2003173828125f, 0.1015625000000f, -0.0582275390625f,
     0.0330810546875f, -0.0189208984375f},
    {-0.0189208984375f, 0.0330810546875f, -0.0582275390625f, 0.1015625000000f, -0.2003173828125f,
     0.7797851562500f, 0.4650878906250f, -0.1665039062500f, 0.0891113281250f, -0.0517578125000f,
     0.0292968750000f, -0.0291748046875f},
    {-0.0083007812500f, 0.0148925781250f, -0.0266113281250f, 0.0476074218750f, -0.1022949218750f,
     0.9721679687500f, 0.1373291015625f, -0.0594482421875f, 0.0332031250000f, -0.0196533203125f,
     0.0109863281250f, 0.0017089843750f}};

// Float sums of twelve products stay this close to the exact ones; bounds are widened by it.
constexpr double kRounding = 1 + 1e-5;

// How far a phase's output can stray from the samples around it. Around a reference sample r
// of the window, each sample is the straight line through r and r + 1 plus a rest no larger
// than the largest second difference times (distance)(distance -+ 1)/2; the line's part is a
// mix of two samples, the rest's part scales with the second difference.
struct PhaseReach {
    double ofSample = 0;
    double ofSecondDifference = 0;
};

PhaseReach phaseReach(const float (&taps)[kTaps]) {
    PhaseReach best{0, INFINITY};
    for (int r = 0; r + 1 < kTaps; ++r) {
        double sum = 0, slope = 0, rest = 0;
        for (int i = 0; i < kTaps; ++i) {
            const double tap = taps[kTaps - 1 - i]; // i runs from the oldest sample up
            const double distance = i - r;
            sum += tap;
            slope += tap * distance;
            rest += std::abs(tap) * (distance >= 0 ? distance * (distance - 1) / 2
                                                   : -distance * (1 - distance) / 2);
        }
        if (rest < best.ofSecondDifference)
            best = {std::abs(sum - slope) + std::abs(slope), rest};
    }
    return best;
}

struct Reach {
    double ofSample = 0;
    double ofSecondDifference = 0;
    double absoluteSum = 0; // the largest sum of a phase's tap magnitudes
};

Reach computeReach() {
    Reach reach;
    for (const auto& taps : kFilter) {
        const PhaseReach phase = phaseReach(taps);
        reach.ofSample = std::max(reach.ofSample, phase.ofSample);
        reach.ofSecondDifference = std::max(reach.ofSecondDifference, phase.ofSecondDifference);
        double sum = 0;
        for (float tap : taps)
            sum += std::abs(tap);
        reach.absoluteSum = std::max(reach.absoluteSum, sum);
    }
    return reach;
}

const Reach& reach() {
    static const Reach computed = computeReach();
    return computed;
}

// Inlined: a call out of the vector code would leave the wide registers in use past its end.
inline __attribute__((always_inline)) float scalarPeak(const float* samples, int64_t from,
                                                       int64_t to) {
    float peak = 0;
    for (int64_t n = from; n < to; ++n)
        for (const auto& taps : kFilter) {
            float sum = 0;
            for (int k = 0; k < kTaps; ++k)
                sum += taps[k] * samples[n - k];
            peak = std::max(peak, std::abs(sum));
        }
    return peak;
}

// W outputs of every phase at a time.
template <int W> LANES_INLINE float oversampledPeakOf(const float* samples, int64_t count) {
    using V = typename Vector<W>::type;
    V peak{};
    int64_t n = 0;
    for (; n + W <= count; n += W) {
        V sums[kPhases] = {};
#pragma GCC unroll 12
        for (int k = 0; k < kTaps; ++k) {
            V x;
            load<W>(samples + n - k, x);
            for (int p = 0; p < kPhases; ++p)
                sums[p] += kFilter[p][k] * x;
        }
        for (const V& sum : sums) {
            V magnitude;
            magnitudes<W>(sum, magnitude);
            keepLarger<W>(magnitude, peak);
        }
    }
    float largest = scalarPeak(samples, n, count);
    for (int lane = 0; lane < W; ++lane)
        largest = std::max(largest, peak[lane]);
    return largest;
}

WIDE_BUILD float oversampledPeak16(const float* samples, int64_t count) {
    return oversampledPeakOf<16>(samples, count);
}

NARROW_BUILD float oversampledPeak8(const float* samples, int64_t count) {
    return oversampledPeakOf<8>(samples, count);
}

} // namespace

float oversampledPeak(const float* samples, int64_t count) {
    return widestLanes() == 16 ? oversampledPeak16(samples, count)
                               : oversampledPeak8(samples, count);
}

float reachBound(float largestSample, float largestSecondDifference) {
    const Reach& r = reach();
    const double nearby =
        largestSample * r.ofSample + largestSecondDifference * r.ofSecondDifference;
    return float(std::min(nearby, largestSample * r.absoluteSum) * kRounding);
}

} // namespace truepeak

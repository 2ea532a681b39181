#pragma once

#include <cstdint>

// The true peak of a sampled signal: the largest magnitude the signal reaches between its
// samples, read off a 4x oversampling through the 48-tap interpolation filter of loudness
// meters.
namespace truepeak {

// How many samples before the first one the interpolation reaches back to.
constexpr int kHistory = 11;

// The largest magnitude of samples[0, count) oversampled 4x. samples[-kHistory, 0) must be
// readable: the signal before (zeros at its start).
float oversampledPeak(const float* samples, int64_t count);

// Above which the oversampled signal cannot reach, from the largest magnitude of a stretch of
// samples and the largest magnitude of its second differences (both over the stretch and the
// kHistory samples before it, with one more each side for the differences). A cheap test that
// lets most of a signal skip the oversampling.
float reachBound(float largestSample, float largestSecondDifference);

} // namespace truepeak

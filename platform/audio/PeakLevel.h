#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The loudest of 16-bit samples as a magnitude, 0 to 32768 (full scale, the negative end).
// Runs in the audio callback: no allocation, no locks.
inline int peakSample(const int16_t* samples, std::size_t count) noexcept {
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int magnitude = std::abs(static_cast<int>(samples[i]));
        if (magnitude > peak)
            peak = magnitude;
    }
    return peak;
}

inline constexpr float kFullScaleSample = 32768.0f;

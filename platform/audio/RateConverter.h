#pragma once

#include <memory>
#include <samplerate.h>
#include <span>

// Converts interleaved float frames from one sample rate to another with libsamplerate.
// Passes frames through unchanged when both rates are equal.
class RateConverter {
public:
    RateConverter(int inputRate, int outputRate, int channels);

    // Upper bound of the frames convert() produces from inputFrames frames.
    long maxOutputFrames(long inputFrames) const;
    // Converts all of input into output (sized by maxOutputFrames); endOfInput flushes what the
    // converter still holds. Returns the number of frames written.
    long convert(std::span<const float> input, std::span<float> output, bool endOfInput);

private:
    struct DeleteState {
        void operator()(SRC_STATE* state) const { src_delete(state); }
    };
    std::unique_ptr<SRC_STATE, DeleteState> m_state;
    double m_ratio;
    int m_channels;
};

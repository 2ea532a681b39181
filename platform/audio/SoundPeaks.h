#pragma once

#include <QtGlobal>
#include <cstdint>
#include <vector>

// The outline of a sound: the lowest and highest sample of every 256 frames. A stereo sound
// keeps its two channels apart; any other number of channels is folded into one lane.
struct SoundPeaks {
    static constexpr int kFramesPerPeak = 256;

    int lanes = 1;
    int sampleRate = 0;
    qint64 frames = 0;
    // Per block of frames, per lane: min then max, as 16-bit samples.
    std::vector<int16_t> values;

    qint64 blocks() const { return qint64(values.size()) / (2 * lanes); }
    int16_t minAt(qint64 block, int lane) const {
        return values[size_t((block * lanes + lane) * 2)];
    }
    int16_t maxAt(qint64 block, int lane) const {
        return values[size_t((block * lanes + lane) * 2 + 1)];
    }
    qint64 bytes() const { return qint64(values.size() * sizeof(int16_t)); }
};

// Lanes the peaks of a sound of that many channels are kept in.
inline int peakLanesFor(int channels) {
    return channels == 2 ? 2 : 1;
}

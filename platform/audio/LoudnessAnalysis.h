#pragma once

#include "platform/audio/LaneWeighting.h"
#include "platform/audio/VectorLanes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The integrated loudness (gated, of 400 ms blocks every 100 ms) and the peak of a signal given
// in chunks of interleaved float frames.
//
// Each chunk is K-weighted as 16 (or 8) stretches side by side in the lanes of a vector unit,
// every stretch starting 25 ms early so its filters settle on the samples before it; the
// true peak is oversampled only where a cheap bound says it could beat the peak found so far.
class LoudnessAnalysis {
public:
    // lanes: how many stretches run side by side, as widestLanes() (8 to compare in tests).
    LoudnessAnalysis(int sampleRate, int channels, bool truePeak, int lanes = widestLanes());

    // Frames a chunk holds (the last one may hold fewer).
    int64_t chunkFrames() const { return m_chunkFrames; }
    int64_t stepFrames() const { return m_stepFrames; }
    // Frames before each chunk that add() reads: the end of the chunk before, zeros at first.
    int64_t historyFrames() const { return m_historyFrames; }
    // Frames after a chunk's end that add() may read and must be zeros past the signal's end.
    static constexpr int64_t kTailFrames = 16;

    // chunk points at historyFrames() frames before the chunk's first frame; frames is at most
    // chunkFrames(), and frames past it up to chunkFrames() + kTailFrames are readable zeros.
    void add(const float* chunk, int64_t frames);

    // Takes on the analysis of what follows this one's last frame, which ended on a whole step.
    void append(const LoudnessAnalysis& later);

    // LUFS; -inf for silence or less than 400 ms.
    double integrated() const;
    // The largest magnitude: the true peak, or the sample peak if built without.
    double peak() const { return m_peak; }

private:
    void weigh(const float* chunk, int64_t whole, size_t first);
    void peaksOf(const float* chunk, int64_t frames);
    float truePeakOf(const float* samples, int64_t from, int64_t to);

    int m_channels;
    int m_lanes;
    bool m_truePeak;
    int64_t m_stepFrames;    // 100 ms
    int64_t m_segmentFrames; // one lane's stretch of a chunk
    int64_t m_historyFrames;
    int64_t m_chunkFrames;
    LaneFilter m_filter; // the K-weighting at this rate
    std::vector<float> m_channelWeights;
    std::vector<float> m_laneEnergy;  // per channel and step of the chunk, its K-weighted sum
    std::vector<float> m_blockPeak;   // per peak block of the chunk, its largest sample
    std::vector<float> m_blockBend;   // per peak block, its largest second difference
    std::vector<float> m_plane;       // one channel of a chunk of many channels
    std::vector<float> m_blockPlane;  // one channel of a block whose true peak is wanted
    std::vector<double> m_stepEnergy; // per 100 ms of the whole signal, weighted over channels
    double m_peak = 0;
};

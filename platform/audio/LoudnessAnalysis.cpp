#include "platform/audio/LoudnessAnalysis.h"

#include "platform/audio/KWeighting.h"
#include "platform/audio/LaneWeighting.h"

#include "platform/audio/TruePeak.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Steps in a lane's stretch: one keeps a stereo chunk (1.6 s) in the processor's cache.
constexpr int64_t kSegmentSteps = 1;
// The true peak is looked for in blocks this long: short enough that a block's bound is tight.
constexpr int64_t kPeakBlockFrames = 512;

// The largest magnitude of x[0, count) and the largest magnitude of its second differences
// between samples stride apart (which read x[-stride] and up to x[count - 1 + stride]).
struct PeakAndBend {
    float peak = 0;
    float bend = 0;
};

template <int W>
LANES_INLINE PeakAndBend peakAndBendOf(const float* x, int64_t count, int64_t stride) {
    using V = typename Vector<W>::type;
    V p{}, b{};
    int64_t i = 0;
    for (; i + W <= count; i += W) {
        V here, before, after, magnitude;
        load<W>(x + i, here);
        load<W>(x + i - stride, before);
        load<W>(x + i + stride, after);
        magnitudes<W>(here, magnitude);
        keepLarger<W>(magnitude, p);
        magnitudes<W>(after - 2 * here + before, magnitude);
        keepLarger<W>(magnitude, b);
    }
    PeakAndBend found;
    for (int j = 0; j < W; ++j) {
        found.peak = std::max(found.peak, p[j]);
        found.bend = std::max(found.bend, b[j]);
    }
    for (; i < count; ++i) {
        found.peak = std::max(found.peak, std::abs(x[i]));
        found.bend = std::max(found.bend, std::abs(x[i + stride] - 2 * x[i] + x[i - stride]));
    }
    return found;
}

WIDE_BUILD PeakAndBend peakAndBend16(const float* x, int64_t count, int64_t stride) {
    return peakAndBendOf<16>(x, count, stride);
}

NARROW_BUILD PeakAndBend peakAndBend8(const float* x, int64_t count, int64_t stride) {
    return peakAndBendOf<8>(x, count, stride);
}

PeakAndBend peakAndBend(const float* x, int64_t count, int64_t stride) {
    return widestLanes() == 16 ? peakAndBend16(x, count, stride) : peakAndBend8(x, count, stride);
}

LaneFilter laneFilterFor(const KWeighting& w) {
    return {float(w.shelf.b0), float(w.shelf.b1),    float(w.shelf.b2),   float(w.shelf.a1),
            float(w.shelf.a2), float(w.highPass.a1), float(w.highPass.a2)};
}

// A channel's share of the loudness: mono is heard from both speakers; of five or more
// channels the fourth is the low-frequency one and the ones past the front three surround.
std::vector<float> channelWeights(int channels) {
    if (channels == 1)
        return {2.0f};
    std::vector<float> weights(size_t(channels), 1.0f);
    if (channels == 4) {
        weights[2] = weights[3] = 1.41f;
        return weights;
    }
    if (channels == 5) {
        weights[3] = weights[4] = 1.41f;
        return weights;
    }
    for (int c = 3; c < channels; ++c)
        weights[size_t(c)] = c == 3 ? 0.0f : 1.41f;
    return weights;
}

} // namespace

LoudnessAnalysis::LoudnessAnalysis(int sampleRate, int channels, bool truePeak, int lanes)
    : m_channels(channels), m_lanes(lanes == 16 && widestLanes() == 16 ? 16 : 8),
      m_truePeak(truePeak), m_stepFrames(std::max<int64_t>((int64_t(sampleRate) + 5) / 10, 1)),
      m_segmentFrames(kSegmentSteps * m_stepFrames),
      // 25 ms: the high pass's slowest pole has then decayed to well below 1% and what is left
      // of its start changes a step's energy by less than 0.001 dB.
      m_historyFrames(std::max<int64_t>(m_stepFrames / 4, truepeak::kHistory + 2)),
      m_chunkFrames(m_lanes * m_segmentFrames), m_filter(laneFilterFor(kWeightingFor(sampleRate))),
      m_channelWeights(channelWeights(channels)),
      m_laneEnergy(size_t(std::min(channels, 2) * m_lanes * kSegmentSteps)) {}

void LoudnessAnalysis::add(const float* chunk, int64_t frames) {
    frames = std::clamp<int64_t>(frames, 0, m_chunkFrames);
    const int64_t whole = frames / m_stepFrames;
    const size_t first = m_stepEnergy.size();
    m_stepEnergy.resize(first + size_t(whole));
    if (whole > 0)
        weigh(chunk, whole, first);
    peaksOf(chunk, frames);
}

// Adds the chunk's K-weighted energy of its whole steps to the steps from first on.
void LoudnessAnalysis::weigh(const float* chunk, int64_t whole, size_t first) {
    LaneRun run{chunk, m_segmentFrames, m_historyFrames, m_stepFrames, kSegmentSteps};
    auto addEnergy = [&](int channel, const float* energy) {
        const double weight = m_channelWeights[size_t(channel)];
        for (int64_t step = 0; step < whole; ++step)
            m_stepEnergy[first + size_t(step)] += weight * energy[step];
    };
    if (m_channels == 1 || m_channels == 2) {
        weighLanes(m_lanes, m_channels, run, m_filter, m_laneEnergy.data());
        for (int channel = 0; channel < m_channels; ++channel)
            addEnergy(channel, m_laneEnergy.data() + channel * m_lanes * kSegmentSteps);
        return;
    }
    // More channels are rarer: each is copied out on its own and weighed as mono.
    const int64_t planeFrames = m_historyFrames + m_chunkFrames + kTailFrames;
    m_plane.resize(size_t(planeFrames));
    run.frames = m_plane.data();
    for (int channel = 0; channel < m_channels; ++channel) {
        if (m_channelWeights[size_t(channel)] == 0)
            continue;
        for (int64_t i = 0; i < planeFrames; ++i)
            m_plane[size_t(i)] = chunk[i * m_channels + channel];
        weighLanes(m_lanes, 1, run, m_filter, m_laneEnergy.data());
        addEnergy(channel, m_laneEnergy.data());
    }
}

// The chunk's peak: the sample peak of each short block, and where a block's bound could beat
// the peak found so far, its true peak. The bound takes the largest sample and bend of all
// channels.
void LoudnessAnalysis::peaksOf(const float* chunk, int64_t frames) {
    const float* samples = chunk + m_historyFrames * m_channels;
    const int64_t blocks = (frames + kPeakBlockFrames - 1) / kPeakBlockFrames;
    const int64_t reachBack = m_truePeak ? truepeak::kHistory : 0;
    m_blockPeak.resize(size_t(blocks));
    m_blockBend.resize(size_t(blocks));
    float found = float(m_peak);
    for (int64_t block = 0; block < blocks; ++block) {
        const int64_t from = block * kPeakBlockFrames;
        const int64_t to = std::min(frames, from + kPeakBlockFrames);
        const PeakAndBend measured = peakAndBend(samples + (from - reachBack) * m_channels,
                                                 (to - from + reachBack) * m_channels, m_channels);
        m_blockPeak[size_t(block)] = measured.peak;
        m_blockBend[size_t(block)] = measured.bend;
        found = std::max(found, m_blockPeak[size_t(block)]);
    }
    if (m_truePeak)
        for (int64_t block = 0; block < blocks; ++block) {
            if (truepeak::reachBound(m_blockPeak[size_t(block)], m_blockBend[size_t(block)]) <=
                found)
                continue;
            const int64_t from = block * kPeakBlockFrames;
            const int64_t to = std::min(frames, from + kPeakBlockFrames);
            found = std::max(found, truePeakOf(samples, from, to));
        }
    m_peak = found;
}

float LoudnessAnalysis::truePeakOf(const float* samples, int64_t from, int64_t to) {
    const int64_t count = to - from + truepeak::kHistory;
    m_blockPlane.resize(size_t(count));
    float peak = 0;
    for (int channel = 0; channel < m_channels; ++channel) {
        const float* in = samples + (from - truepeak::kHistory) * m_channels + channel;
        for (int64_t i = 0; i < count; ++i)
            m_blockPlane[size_t(i)] = in[i * m_channels];
        peak = std::max(
            peak, truepeak::oversampledPeak(m_blockPlane.data() + truepeak::kHistory, to - from));
    }
    return peak;
}

void LoudnessAnalysis::append(const LoudnessAnalysis& later) {
    m_stepEnergy.insert(m_stepEnergy.end(), later.m_stepEnergy.begin(), later.m_stepEnergy.end());
    m_peak = std::max(m_peak, later.m_peak);
}

double LoudnessAnalysis::integrated() const {
    constexpr int kBlockSteps = 4;
    if (m_stepEnergy.size() < kBlockSteps)
        return -INFINITY;
    const double blockFrames = double(kBlockSteps * m_stepFrames);
    std::vector<double> blocks;
    blocks.reserve(m_stepEnergy.size());
    const double silent = std::pow(10.0, (-70.0 + 0.691) / 10);
    for (size_t step = 0; step + kBlockSteps <= m_stepEnergy.size(); ++step) {
        double sum = 0;
        for (int i = 0; i < kBlockSteps; ++i)
            sum += m_stepEnergy[step + size_t(i)];
        if (sum / blockFrames > silent)
            blocks.push_back(sum / blockFrames);
    }
    auto meanAbove = [&](double gate) {
        double sum = 0;
        size_t count = 0;
        for (double block : blocks)
            if (block > gate) {
                sum += block;
                ++count;
            }
        return count ? sum / double(count) : 0.0;
    };
    const double relativeGate = meanAbove(0) * 0.1; // 10 LU below
    const double mean = meanAbove(relativeGate);
    return mean > 0 ? -0.691 + 10 * std::log10(mean) : -INFINITY;
}

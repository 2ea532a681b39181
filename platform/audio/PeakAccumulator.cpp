#include "platform/audio/PeakAccumulator.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int16_t kLowest = std::numeric_limits<int16_t>::min();
constexpr int16_t kHighest = std::numeric_limits<int16_t>::max();
// Samples looked at side by side; a multiple of both one and two channels, so every column of
// the running minimum belongs to one lane.
constexpr int kWidth = 8;

} // namespace

PeakAccumulator::PeakAccumulator(int channels, int sampleRate) : m_channels(std::max(channels, 1)) {
    m_peaks.lanes = peakLanesFor(m_channels);
    m_peaks.sampleRate = sampleRate;
    m_min.fill(kHighest);
    m_max.fill(kLowest);
}

void PeakAccumulator::add(const int16_t* samples, qint64 frameCount) {
    m_peaks.frames += frameCount;
    if (m_framesInBlock > 0) {
        const qint64 toFill =
            std::min<qint64>(frameCount, SoundPeaks::kFramesPerPeak - m_framesInBlock);
        addFrames(samples, toFill);
        samples += toFill * m_channels;
        frameCount -= toFill;
    }
    if (m_channels <= 2) {
        for (; frameCount >= SoundPeaks::kFramesPerPeak; frameCount -= SoundPeaks::kFramesPerPeak) {
            addWholeBlock(samples);
            samples += SoundPeaks::kFramesPerPeak * m_channels;
        }
    }
    while (frameCount > 0) {
        const qint64 piece =
            std::min<qint64>(frameCount, SoundPeaks::kFramesPerPeak - m_framesInBlock);
        addFrames(samples, piece);
        samples += piece * m_channels;
        frameCount -= piece;
    }
}

// One or two channels over a whole block: the minimum and maximum of 16 samples side by side
// at a time, in vector registers.
void PeakAccumulator::addWholeBlock(const int16_t* samples) {
    using Lanes = int16_t __attribute__((vector_size(kWidth * sizeof(int16_t))));
    Lanes low;
    Lanes high;
    std::memcpy(&low, samples, sizeof low);
    high = low;
    const int count = SoundPeaks::kFramesPerPeak * m_channels;
    for (int i = kWidth; i < count; i += kWidth) {
        Lanes next;
        std::memcpy(&next, samples + i, sizeof next);
        low = next < low ? next : low;
        high = next > high ? next : high;
    }
    for (int j = 0; j < kWidth; ++j) {
        const int lane = m_channels == 2 ? j % 2 : 0;
        m_min[lane] = std::min(m_min[lane], int16_t(low[j]));
        m_max[lane] = std::max(m_max[lane], int16_t(high[j]));
    }
    m_framesInBlock = SoundPeaks::kFramesPerPeak;
    closeBlock();
}

void PeakAccumulator::addFrames(const int16_t* samples, qint64 frameCount) {
    const bool apart = m_peaks.lanes == 2;
    for (qint64 frame = 0; frame < frameCount; ++frame) {
        for (int channel = 0; channel < m_channels; ++channel) {
            const int lane = apart ? channel : 0;
            const int16_t sample = samples[frame * m_channels + channel];
            m_min[lane] = std::min(m_min[lane], sample);
            m_max[lane] = std::max(m_max[lane], sample);
        }
    }
    m_framesInBlock += int(frameCount);
    if (m_framesInBlock == SoundPeaks::kFramesPerPeak)
        closeBlock();
}

void PeakAccumulator::closeBlock() {
    for (int lane = 0; lane < m_peaks.lanes; ++lane) {
        m_peaks.values.push_back(m_min[lane]);
        m_peaks.values.push_back(m_max[lane]);
    }
    m_min.fill(kHighest);
    m_max.fill(kLowest);
    m_framesInBlock = 0;
}

SoundPeaks PeakAccumulator::finish() {
    if (m_framesInBlock > 0)
        closeBlock();
    return std::move(m_peaks);
}

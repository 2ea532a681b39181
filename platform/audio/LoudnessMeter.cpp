#include "platform/audio/LoudnessMeter.h"

#include "platform/audio/LoudnessAnalysis.h"
#include "platform/audio/SoundDecoder.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <limits>
#include <system_error>
#include <vector>

namespace {

// A chunk of interleaved frames as the analysis reads it: the end of the chunk before, the
// chunk, and zeros after. It lives in storage that a thread keeps from one sound to the next:
// fresh memory costs more to map in than a short sound costs to measure.
class ChunkBuffer {
public:
    ChunkBuffer(const LoudnessAnalysis& analysis, int channels, std::vector<float>& storage)
        : m_channels(channels), m_history(analysis.historyFrames()),
          m_chunk(analysis.chunkFrames()), m_samples(storage) {
        m_samples.assign(size_t((m_history + m_chunk + LoudnessAnalysis::kTailFrames) * channels),
                         0.0f);
    }
    ~ChunkBuffer() {
        constexpr size_t kMostKept = size_t(4) << 20; // floats: a few stereo chunks
        if (m_samples.capacity() > kMostKept)
            std::vector<float>().swap(m_samples);
    }
    ChunkBuffer(const ChunkBuffer&) = delete;
    ChunkBuffer& operator=(const ChunkBuffer&) = delete;

    const float* data() const { return m_samples.data(); }

    // Decodes up to frames frames into the chunk, zeros after them; returns how many it read.
    int64_t decode(SoundDecoder& decoder, int64_t frames) {
        frames = std::min(frames, m_chunk);
        int64_t read = 0;
        while (read < frames) {
            const int64_t got = decoder.read(chunkAt(read), frames - read);
            if (got <= 0)
                break;
            read += got;
        }
        std::fill(m_samples.begin() + (m_history + read) * m_channels, m_samples.end(), 0.0f);
        return read;
    }

    // Takes the last history frames of before (which holds frames frames) as its history.
    void follow(const ChunkBuffer& before, int64_t frames) {
        // before's chunk frames [frames - history, frames) sit at [frames, frames + history)
        std::copy_n(before.m_samples.begin() + frames * m_channels, m_history * m_channels,
                    m_samples.begin());
    }

private:
    float* chunkAt(int64_t frame) { return m_samples.data() + (m_history + frame) * m_channels; }

    int m_channels;
    int64_t m_history;
    int64_t m_chunk;
    std::vector<float>& m_samples;
};

// Measures each chunk on a second thread while the next is decoded here; chunks are measured
// in order, one at a time.
void measureWhileDecoding(SoundDecoder& decoder, LoudnessAnalysis& analysis, int64_t frames) {
    thread_local std::vector<float> storage[2];
    ChunkBuffer buffers[2] = {ChunkBuffer(analysis, decoder.channels(), storage[0]),
                              ChunkBuffer(analysis, decoder.channels(), storage[1])};
    int current = 0;
    int64_t inChunk = buffers[0].decode(decoder, frames);
    frames -= inChunk;
    while (inChunk > 0) {
        ChunkBuffer& chunk = buffers[current];
        ChunkBuffer& next = buffers[1 - current];
        const auto measure = [&analysis, &chunk, inChunk] { analysis.add(chunk.data(), inChunk); };
        std::future<void> measuring;
        try {
            measuring = std::async(std::launch::async, measure);
        } catch (const std::system_error&) {
            measure(); // no thread to spare: one after the other
        }
        int64_t inNext = 0;
        if (frames > 0 && inChunk == analysis.chunkFrames()) {
            next.follow(chunk, inChunk);
            inNext = next.decode(decoder, frames);
            frames -= inNext;
        }
        if (measuring.valid())
            measuring.get();
        current = 1 - current;
        inChunk = inNext;
    }
}

} // namespace

std::expected<LoudnessFacts, QString> measureLoudness(const QString& path, double limitSeconds) {
    auto decoder = SoundDecoder::open(path);
    if (!decoder)
        return std::unexpected(decoder.error());
    if (decoder->channels() < 1 || decoder->sampleRate() < 1)
        return std::unexpected(QStringLiteral("%1: cannot measure its loudness").arg(path));
    // A quick measure, which a play may be waiting for, does without the oversampling.
    const bool quick = limitSeconds > 0;
    LoudnessAnalysis analysis(decoder->sampleRate(), decoder->channels(), !quick);
    const int64_t frames = quick
                               ? std::max<int64_t>(1, int64_t(limitSeconds * decoder->sampleRate()))
                               : std::numeric_limits<int64_t>::max();
    measureWhileDecoding(*decoder, analysis, frames);
    LoudnessFacts facts;
    facts.estimate = quick;
    facts.integrated = analysis.integrated();
    facts.truePeak = analysis.peak() > 0 ? 20 * std::log10(analysis.peak()) : -INFINITY;
    return facts;
}

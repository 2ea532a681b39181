#include "platform/audio/LoudnessMeter.h"

#include "platform/audio/LoudnessAnalysis.h"
#include "platform/audio/SoundDecoder.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <system_error>
#include <thread>
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
        constexpr size_t kMostKept = size_t(1) << 20; // floats: a stereo chunk or two
        if (m_samples.capacity() > kMostKept)
            std::vector<float>().swap(m_samples);
    }
    ChunkBuffer(const ChunkBuffer&) = delete;
    ChunkBuffer& operator=(const ChunkBuffer&) = delete;

    const float* data() const { return m_samples.data(); }

    // Decodes up to frames frames into the chunk, zeros after them; returns how many it read.
    int64_t decode(SoundDecoder& decoder, int64_t frames) {
        const int64_t read = decodeInto(decoder, chunkAt(0), std::min(frames, m_chunk));
        std::fill(m_samples.begin() + (m_history + read) * m_channels, m_samples.end(), 0.0f);
        return read;
    }

    // Decodes the history frames that come before the first chunk.
    void decodeHistory(SoundDecoder& decoder) { decodeInto(decoder, m_samples.data(), m_history); }

    // Takes the end of the chunk just measured (of frames frames) as the next one's history.
    void moveOn(int64_t frames) {
        // the chunk's frames [frames - history, frames) sit at [frames, frames + history)
        std::copy_n(m_samples.begin() + frames * m_channels, m_history * m_channels,
                    m_samples.begin());
    }

private:
    float* chunkAt(int64_t frame) { return m_samples.data() + (m_history + frame) * m_channels; }

    static int64_t decodeInto(SoundDecoder& decoder, float* into, int64_t frames) {
        int64_t read = 0;
        while (read < frames) {
            const int64_t got = decoder.read(into + read * decoder.channels(), frames - read);
            if (got <= 0)
                break;
            read += got;
        }
        return read;
    }

    int m_channels;
    int64_t m_history;
    int64_t m_chunk;
    std::vector<float>& m_samples;
};

// Decodes and measures frames [from, from + count) (fewer where the sound ends first); after
// the start the filters first settle on the frames just before from.
void measureStretch(SoundDecoder& decoder, LoudnessAnalysis& analysis, int64_t from, int64_t count,
                    std::vector<float>& storage) {
    ChunkBuffer buffer(analysis, decoder.channels(), storage);
    if (from > 0) {
        if (!decoder.seek(from - analysis.historyFrames()))
            return;
        buffer.decodeHistory(decoder);
    }
    while (count > 0) {
        const int64_t frames = buffer.decode(decoder, count);
        if (frames > 0)
            analysis.add(buffer.data(), frames);
        if (frames < analysis.chunkFrames())
            return;
        count -= frames;
        buffer.moveOn(frames);
    }
}

// A long sound is measured in pieces that two threads take in turn, each decoding its pieces
// with a decoder of its own and measuring them in its own cache: whichever thread is faster
// takes more. Pieces are whole chunks; the last runs to the sound's end.
class Pieces {
public:
    Pieces(const SoundDecoder& decoder, const LoudnessAnalysis& analysis, int64_t count,
           bool truePeak)
        : m_count(count), m_pieceFrames(kChunksPerPiece * analysis.chunkFrames()) {
        const int major = decoder.format() & SF_FORMAT_TYPEMASK;
        const bool exactSeek = major != SF_FORMAT_OGG && major != SF_FORMAT_MPEG;
        const int64_t frames = std::min(count, decoder.frames());
        const int64_t pieces = exactSeek ? frames / m_pieceFrames : 0;
        for (int64_t piece = 0; piece < pieces; ++piece)
            m_analyses.emplace_back(decoder.sampleRate(), decoder.channels(), truePeak);
    }

    // Too short to share out, or of a kind that does not seek to the exact frame.
    bool worthSharing() const { return m_analyses.size() >= 2; }

    // Takes pieces until none is left.
    void measureWith(SoundDecoder& decoder, std::vector<float>& storage) {
        for (size_t piece = m_next++; piece < m_analyses.size(); piece = m_next++) {
            const int64_t from = int64_t(piece) * m_pieceFrames;
            const bool last = piece + 1 == m_analyses.size();
            measureStretch(decoder, m_analyses[piece], from, last ? m_count - from : m_pieceFrames,
                           storage);
        }
    }

    void addInOrderTo(LoudnessAnalysis& analysis) const {
        for (const LoudnessAnalysis& piece : m_analyses)
            analysis.append(piece);
    }

private:
    static constexpr int64_t kChunksPerPiece = 8;

    int64_t m_count;
    int64_t m_pieceFrames;
    std::vector<LoudnessAnalysis> m_analyses;
    std::atomic<size_t> m_next = 0;
};

// Measures count frames from the start (or up to the end) of the file the decoder reads.
void measureFrames(const QString& path, SoundDecoder& decoder, LoudnessAnalysis& analysis,
                   int64_t count, bool truePeak) {
    thread_local std::vector<float> storage[2];
    Pieces pieces(decoder, analysis, count, truePeak);
    auto secondDecoder =
        pieces.worthSharing() ? SoundDecoder::open(path) : std::unexpected(QString());
    if (!secondDecoder) {
        measureStretch(decoder, analysis, 0, count, storage[0]);
        return;
    }
    std::thread beside;
    try {
        beside = std::thread([&] { pieces.measureWith(*secondDecoder, storage[1]); });
    } catch (const std::system_error&) {
        // no thread to spare: this one takes every piece
    }
    pieces.measureWith(decoder, storage[0]);
    if (beside.joinable())
        beside.join();
    pieces.addInOrderTo(analysis);
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
    measureFrames(path, *decoder, analysis, frames, !quick);
    LoudnessFacts facts;
    facts.estimate = quick;
    facts.integrated = analysis.integrated();
    facts.truePeak = analysis.peak() > 0 ? 20 * std::log10(analysis.peak()) : -INFINITY;
    return facts;
}

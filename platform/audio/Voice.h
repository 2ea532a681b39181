#pragma once

#include "platform/audio/RateConverter.h"
#include "platform/audio/SoundDecoder.h"
#include "platform/audio/SpscRing.h"

#include <QString>
#include <atomic>
#include <expected>
#include <memory>
#include <thread>
#include <vector>

struct OutputFormat {
    int sampleRate = 0;
    int channels = 0;
};

// One sound being played: a reader thread decodes the file, converts it to the output's rate and
// channels and keeps a lock-free ring filled about half a second ahead; the audio callback
// takes from the ring. The file is streamed, so memory does not grow with its length.
class Voice {
public:
    // Opens path and fills the start of the ring before returning, so the first callback after
    // it already has sound. It starts at startFrame of the file (clamped to the file); every
    // sample is multiplied by gain. The error is a text for the user.
    static std::expected<std::shared_ptr<Voice>, QString> start(const QString& path,
                                                                OutputFormat format, bool loop,
                                                                int64_t startFrame = 0,
                                                                float gain = 1.0f);

    Voice(SoundDecoder decoder, OutputFormat format, bool loop, float gain = 1.0f);
    ~Voice();
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    // Audio thread only: adds the next frames to out (interleaved, output format). Never blocks,
    // allocates or touches the file.
    void mixInto(float* out, unsigned long frames) noexcept;
    // True once every frame has been mixed; a loop never finishes.
    bool finished() const noexcept { return m_finished.load(std::memory_order_acquire); }
    double durationSeconds() const;

private:
    void prime();
    void run(std::stop_token stop);
    void produceBlock();
    int64_t readBlock();
    void mapChannels(int64_t frames);

    SoundDecoder m_decoder;
    OutputFormat m_format;
    bool m_loop;
    float m_gain;
    RateConverter m_converter;
    std::vector<float> m_decoded;   // reader thread: file frames as decoded
    std::vector<float> m_mapped;    // reader thread: the same in the output's channels
    std::vector<float> m_converted; // reader thread: the same at the output's rate
    SpscRing<float> m_ring;
    std::atomic<bool> m_inputDone{false};
    std::atomic<bool> m_finished{false};
    std::jthread m_reader; // last: stopped and joined before the buffers it uses are freed
};

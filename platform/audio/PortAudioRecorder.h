#pragma once

#include "platform/audio/AudioDevices.h"
#include "platform/audio/PortAudioHost.h"
#include "platform/audio/SpscRing.h"

#include <QTemporaryFile>
#include <atomic>
#include <cstdint>
#include <memory>
#include <sndfile.h>
#include <thread>
#include <vector>

// A new recording from the default input, as 16-bit PCM in the device's default rate and up to
// two channels. The audio callback hands samples through a lock-free ring to a writer thread,
// which keeps them in a temporary WAV file until save() copies it to its place as a new file.
class PortAudioRecorder : public IRecordingDevice {
public:
    explicit PortAudioRecorder(PortAudioHost& host);
    ~PortAudioRecorder() override;

    AudioResult open() override;
    AudioResult record(int limitMs) override;
    AudioResult stop() override;
    AudioResult save(const QString& path) override;
    void close() override;
    float takePeakLevel() override;

    // Frames captured so far by the current recording, and their format (0 until opened).
    int64_t capturedFrames() const { return m_captured.load(std::memory_order_acquire); }
    int sampleRate() const { return m_rate; }
    int channels() const { return m_channels; }

private:
    struct CloseFile {
        void operator()(SNDFILE* file) const { sf_close(file); }
    };
    enum class State { Closed, Open, Recording, Stopped };

    static int callback(const void* input, void* output, unsigned long frames,
                        const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags flags,
                        void* self);
    int capture(const int16_t* input, unsigned long frames) noexcept;
    void raisePeak(int peak) noexcept;
    AudioResult startTempFile();
    bool endedBeforeItsLimit() const;
    QString cutShortText(const QString& path) const;
    void writeUntilStopped(std::stop_token stop);
    void drainRing();
    void finishWriting();

    PortAudioHost& m_host;
    State m_state = State::Closed;
    PaStream* m_stream = nullptr;
    int m_rate = 0;
    int m_channels = 0;
    int64_t m_limitFrames = 0;
    bool m_cutShort = false; // the device failed before the limit
    std::atomic<int64_t> m_captured{0};
    std::atomic<int> m_peak{0}; // the loudest sample magnitude since the meter last looked
    std::unique_ptr<SpscRing<int16_t>> m_ring;
    std::unique_ptr<QTemporaryFile> m_temp;
    std::unique_ptr<SNDFILE, CloseFile> m_tempWriter;
    std::vector<int16_t> m_chunk; // writer thread: samples on their way to the file
    QString m_writeError;         // writer thread until joined: why samples were lost
    std::jthread m_writer;        // last: joined before the ring and the file it uses go
};

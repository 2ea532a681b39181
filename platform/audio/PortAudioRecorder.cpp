#include "platform/audio/PortAudioRecorder.h"

#include "platform/AtomicFile.h"
#include "platform/audio/PeakLevel.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace {

constexpr double kRingSeconds = 2.0;
constexpr auto kWriterPause = std::chrono::milliseconds(10);

QString notOpenText() {
    return QStringLiteral("The recording device is not open.");
}

} // namespace

PortAudioRecorder::PortAudioRecorder(PortAudioHost& host) : m_host(host) {}

PortAudioRecorder::~PortAudioRecorder() {
    close();
}

AudioResult PortAudioRecorder::open() {
    close();
    auto opened =
        m_host.open({StreamDirection::Input, paInt16, &PortAudioRecorder::callback, this});
    if (!opened)
        return std::unexpected(opened.error());
    m_stream = opened->stream;
    m_rate = opened->sampleRate;
    m_channels = opened->channels;
    m_ring = std::make_unique<SpscRing<int16_t>>(kRingSeconds * m_rate * m_channels);
    m_chunk.resize(m_ring->capacity());
    m_temp = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/tembrel-recording-XXXXXX.wav");
    if (!m_temp->open()) {
        const QString reason = m_temp->errorString();
        close();
        return std::unexpected(
            QStringLiteral("No temporary file for the recording (%1).").arg(reason));
    }
    m_temp->close();
    if (auto started = startTempFile(); !started) {
        close();
        return started;
    }
    m_tempWriter.reset(); // an empty but valid WAV until something is recorded
    m_state = State::Open;
    return {};
}

// Starts the temporary WAV over, empty.
AudioResult PortAudioRecorder::startTempFile() {
    SF_INFO info{};
    info.samplerate = m_rate;
    info.channels = m_channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    m_tempWriter.reset(
        sf_open(QFile::encodeName(m_temp->fileName()).constData(), SFM_WRITE, &info));
    if (!m_tempWriter)
        return std::unexpected(QStringLiteral("The recording cannot be written (%1).")
                                   .arg(QString::fromUtf8(sf_strerror(nullptr))));
    return {};
}

AudioResult PortAudioRecorder::record(int limitMs) {
    if (m_state == State::Closed)
        return std::unexpected(notOpenText());
    if (m_state == State::Recording)
        return std::unexpected(QStringLiteral("The device is already recording."));
    if (auto started = startTempFile(); !started)
        return started;
    m_writeError.clear();
    m_cutShort = false;
    m_limitFrames = static_cast<int64_t>(m_rate) * std::max(limitMs, 0) / 1000;
    m_captured.store(0);
    m_peak.store(0);
    m_writer = std::jthread([this](std::stop_token stop) { writeUntilStopped(stop); });
    if (auto started = m_host.start(m_stream, StreamDirection::Input); !started) {
        finishWriting();
        return started;
    }
    m_state = State::Recording;
    return {};
}

AudioResult PortAudioRecorder::stop() {
    if (m_state == State::Closed)
        return std::unexpected(notOpenText());
    if (m_state == State::Recording) {
        m_cutShort = endedBeforeItsLimit();
        m_host.stop(m_stream);
        finishWriting();
        m_state = State::Stopped;
    }
    return {};
}

// The stream ends by itself at the limit; before it, only because the device failed (for
// example a sound server that went away).
bool PortAudioRecorder::endedBeforeItsLimit() const {
    return Pa_IsStreamActive(m_stream) != 1 && capturedFrames() < m_limitFrames;
}

QString PortAudioRecorder::cutShortText(const QString& path) const {
    const double recorded = static_cast<double>(capturedFrames()) / m_rate;
    const double asked = static_cast<double>(m_limitFrames) / m_rate;
    return QStringLiteral("The recording stopped after %1 of %2 seconds because the sound device "
                          "failed; the rest was not recorded. What was recorded is saved as "
                          "\"%3\".")
        .arg(QString::number(recorded, 'f', 1), QString::number(asked, 'g', 4), path);
}

// A recording is saved whole or not at all: a temporary file that could not take every sample
// or a copy that runs out of room leaves no file claiming more than it holds. One cut short by
// the device is kept as far as it goes, and the error says so.
AudioResult PortAudioRecorder::save(const QString& path) {
    if (auto stopped = stop(); !stopped)
        return stopped;
    if (!m_writeError.isEmpty())
        return std::unexpected(QStringLiteral("The recording cannot be saved as \"%1\": it could "
                                              "not be kept whole while recording (%2).")
                                   .arg(path, m_writeError));
    errno = 0;
    if (!publishFileAtomically(m_temp->fileName(), path)) {
        const QString reason = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                          : QStringLiteral("the disk may be full");
        return std::unexpected(
            QStringLiteral("The recording cannot be saved as \"%1\" (%2).").arg(path, reason));
    }
    if (m_cutShort)
        return std::unexpected(cutShortText(path));
    return {};
}

void PortAudioRecorder::close() {
    if (m_stream != nullptr) {
        m_host.close(m_stream);
        m_stream = nullptr;
    }
    finishWriting();
    m_ring.reset();
    m_temp.reset();
    m_state = State::Closed;
}

// Ends the writer thread once it has stored everything the callback handed over.
void PortAudioRecorder::finishWriting() {
    if (m_writer.joinable()) {
        m_writer.request_stop();
        m_writer.join();
    }
    if (SNDFILE* file = m_tempWriter.release();
        file != nullptr && sf_close(file) != 0 && m_writeError.isEmpty())
        m_writeError = QStringLiteral("its header could not be written");
}

void PortAudioRecorder::writeUntilStopped(std::stop_token stop) {
    while (!stop.stop_requested()) {
        drainRing();
        std::this_thread::sleep_for(kWriterPause);
    }
    drainRing();
}

void PortAudioRecorder::drainRing() {
    const std::size_t samples = m_ring->read(m_chunk.data(), m_chunk.size());
    if (samples == 0)
        return;
    const auto count = static_cast<sf_count_t>(samples);
    if (sf_write_short(m_tempWriter.get(), m_chunk.data(), count) != count &&
        m_writeError.isEmpty())
        m_writeError = QString::fromUtf8(sf_strerror(m_tempWriter.get())).remove(u'.');
}

int PortAudioRecorder::callback(const void* input, void*, unsigned long frames,
                                const PaStreamCallbackTimeInfo*, PaStreamCallbackFlags,
                                void* self) {
    return static_cast<PortAudioRecorder*>(self)->capture(static_cast<const int16_t*>(input),
                                                          frames);
}

// The meter's reader takes the peak with an exchange; this keeps the larger of the two.
void PortAudioRecorder::raisePeak(int peak) noexcept {
    int seen = m_peak.load(std::memory_order_relaxed);
    while (peak > seen && !m_peak.compare_exchange_weak(seen, peak, std::memory_order_relaxed)) {
    }
}

float PortAudioRecorder::takePeakLevel() {
    return static_cast<float>(m_peak.exchange(0, std::memory_order_relaxed)) / kFullScaleSample;
}

// Stops at the limit; what does not fit in the ring is dropped rather than waited for.
int PortAudioRecorder::capture(const int16_t* input, unsigned long frames) noexcept {
    const int64_t captured = m_captured.load(std::memory_order_relaxed);
    const int64_t take = std::min<int64_t>(frames, m_limitFrames - captured);
    if (take > 0 && input != nullptr) {
        const std::size_t samples = static_cast<std::size_t>(take) * m_channels;
        m_ring->write(input, samples);
        raisePeak(peakSample(input, samples));
    }
    m_captured.store(captured + std::max<int64_t>(take, 0), std::memory_order_release);
    return captured + take >= m_limitFrames ? paComplete : paContinue;
}

#include "recording/RecordWaveRecorder.h"

namespace {

AudioResult notOpen() {
    return std::unexpected(QStringLiteral("No recording device is open."));
}

} // namespace

CWaveRecorder::CWaveRecorder(std::unique_ptr<IRecordingDevice> device, QString fileName)
    : m_device(std::move(device)), m_fileName(std::move(fileName)) {}

CWaveRecorder::~CWaveRecorder() {
    Close();
}

bool CWaveRecorder::Open() {
    if (m_device && m_device->open())
        return true;
    m_device.reset();
    return false;
}

AudioResult CWaveRecorder::Record(int limitMs) {
    if (!m_device)
        return notOpen();
    AudioResult started = m_device->record(limitMs);
    if (!started) {
        Close();
        return started;
    }
    m_recording = true;
    return {};
}

AudioResult CWaveRecorder::Stop() {
    if (!m_device)
        return notOpen();
    return m_device->stop();
}

AudioResult CWaveRecorder::Save() {
    if (!m_device)
        return notOpen();
    return m_device->save(m_fileName);
}

void CWaveRecorder::Close() {
    if (m_device)
        m_device->close();
    m_device.reset();
    m_recording = false;
}

float CWaveRecorder::takePeakLevel() {
    return m_device ? m_device->takePeakLevel() : 0.0f;
}

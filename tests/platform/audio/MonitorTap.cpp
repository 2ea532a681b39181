#include "MonitorTap.h"

#include "platform/audio/PortAudioRecorder.h"

MonitorTap::MonitorTap(AudioSystem& audio)
    : m_device(audio.newRecordingDevice()),
      m_recorder(dynamic_cast<PortAudioRecorder*>(m_device.get())) {}

MonitorTap::~MonitorTap() = default;

AudioResult MonitorTap::start(int limitMs) {
    if (auto opened = m_device->open(); !opened)
        return opened;
    return m_device->record(limitMs);
}

double MonitorTap::mark() const {
    return static_cast<double>(m_recorder->capturedFrames()) / m_recorder->sampleRate();
}

std::expected<MonoSound, QString> MonitorTap::finish() {
    const QString path = m_dir.filePath("monitor.wav");
    if (auto saved = m_device->save(path); !saved)
        return std::unexpected(saved.error());
    m_device->close();
    return readMono(path);
}

bool soundServerRequired() {
    return !qEnvironmentVariableIsEmpty("TEMBREL_REQUIRE_AUDIO");
}

#pragma once

#include "platform/audio/AudioDevices.h"

#include <QString>
#include <memory>

// One recording into one file: open a new recording, record up to a limit, stop, save, close.
// A device that failed to open, or was closed after a refused record, is gone: Stop then
// fails, which the recording dialog reports as a device problem.
class CWaveRecorder {
public:
    // device may be null (no recording device at all), which behaves as a failed open.
    CWaveRecorder(std::unique_ptr<IRecordingDevice> device, QString fileName);
    ~CWaveRecorder();
    CWaveRecorder(const CWaveRecorder&) = delete;
    CWaveRecorder& operator=(const CWaveRecorder&) = delete;

    // Opens a new recording; a failure is silent and leaves no device.
    bool Open();
    // Starts recording up to limitMs and returns at once. When the device refuses, it is
    // closed and the device's error text returned.
    AudioResult Record(int limitMs);
    AudioResult Stop();
    // Saves what was recorded under the file name.
    AudioResult Save();
    // Closes the device; an unsaved recording is lost.
    void Close();
    // The loudest sample since the last call, 0..1; 0 without a device.
    float takePeakLevel();

    bool isOpen() const { return m_device != nullptr; }
    bool isRecording() const { return m_recording; }
    const QString& fileName() const { return m_fileName; }

private:
    std::unique_ptr<IRecordingDevice> m_device;
    QString m_fileName;
    bool m_recording = false;
};

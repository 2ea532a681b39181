#pragma once

#include "AudioSignals.h"
#include "platform/audio/AudioSystem.h"

#include <QTemporaryDir>
#include <memory>

class PortAudioRecorder;

// Records what the test sink plays (its monitor is the default input while the test sound
// server runs) with the engine's own recorder, and marks moments on the recording's timeline.
class MonitorTap {
public:
    explicit MonitorTap(AudioSystem& audio);
    ~MonitorTap();

    AudioResult start(int limitMs = 120000);
    // Where in the recording the input is now, in seconds. The monitor's own delay makes a
    // sound played at this moment appear somewhat later.
    double mark() const;
    // Stops and returns everything recorded.
    std::expected<MonoSound, QString> finish();

private:
    std::unique_ptr<IRecordingDevice> m_device;
    PortAudioRecorder* m_recorder;
    QTemporaryDir m_dir;
};

// True when the test command demands real sound (it then must not skip for want of a server).
bool soundServerRequired();

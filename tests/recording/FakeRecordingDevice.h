#pragma once

#include "platform/audio/AudioDevices.h"
#include "tests/support/WavBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

// What the recording doubles are told to do, and what they were asked: "open", "record <ms>",
// "stop", "save <file name>", "close". An error text makes that step fail with it.
struct RecordingScript {
    QString openError;
    QString recordError;
    QString stopError;
    QString saveError;
    QStringList log;
    float peak = 0.0f; // what the level reads, each time it is taken
};

// A recording device that "records" by writing a small valid WAV file when saved.
class FakeRecordingDevice final : public IRecordingDevice {
public:
    explicit FakeRecordingDevice(RecordingScript& script) : m_script(script) {}

    AudioResult open() override { return step(QStringLiteral("open"), m_script.openError); }
    AudioResult record(int limitMs) override {
        return step(QStringLiteral("record %1").arg(limitMs), m_script.recordError);
    }
    AudioResult stop() override { return step(QStringLiteral("stop"), m_script.stopError); }
    AudioResult save(const QString& path) override {
        if (AudioResult saved = step("save " + QFileInfo(path).fileName(), m_script.saveError);
            !saved)
            return saved;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return std::unexpected("cannot write " + path);
        file.write(makeWav({}));
        return {};
    }
    void close() override { m_script.log << QStringLiteral("close"); }
    float takePeakLevel() override { return m_script.peak; }

private:
    AudioResult step(const QString& what, const QString& error) {
        m_script.log << what;
        if (!error.isEmpty())
            return std::unexpected(error);
        return {};
    }

    RecordingScript& m_script;
};

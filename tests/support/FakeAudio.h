#pragma once

#include "platform/ProgramDirectory.h"
#include "platform/audio/AudioDevices.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

// Sound doubles: they remember what would be sounding.
class FakePlaybackDevice final : public IPlaybackDevice {
public:
    AudioResult open(const QString& path) override {
        close();
        if (!path.isEmpty() && !pathhelp::isRegularFile(path))
            return std::unexpected(QStringLiteral("The specified file was not found."));
        openPath = path;
        return {};
    }
    AudioResult play(qint64 startFrame, float gain) override {
        if (openPath.isEmpty())
            return std::unexpected(QStringLiteral("No file is open."));
        playing = openPath;
        playedFrom = startFrame;
        playedGain = gain;
        played << openPath;
        return {};
    }
    void stop() override { playing.clear(); }
    void close() override {
        playing.clear();
        openPath.clear();
    }

    QString openPath;
    QString playing; // empty when silent
    QStringList played;
    qint64 playedFrom = -1; // the start of the last play
    float playedGain = 0;   // and its gain
};

class FakeSoundPlayer final : public ISoundPlayer {
public:
    bool playLoop(const QString& path, float gain) override {
        looping = path;
        loopGain = gain;
        return true;
    }
    // With waitForStop it waits as the real one does, in an event loop, up to five seconds.
    bool playSync(const QString& path, float gain) override {
        syncPlayed << path;
        syncGain = gain;
        syncStopped = false;
        if (waitForStop) {
            QTimer::singleShot(5000, &m_loop, &QEventLoop::quit);
            m_loop.exec();
        }
        return true;
    }
    void stopSync() override {
        syncStopped = true;
        m_loop.quit();
    }
    void silence() override { looping.clear(); }

    QString looping;
    float loopGain = 0;
    float syncGain = 0;
    QStringList syncPlayed;
    bool waitForStop = false;
    bool syncStopped = false;

private:
    QEventLoop m_loop;
};

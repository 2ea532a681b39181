#pragma once

#include "waveform/StripState.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

class CWavePlayer;
class CommandTable;
class ISoundCutter;
class IUi;
class WaveStrip;

// What the strip plays: a click plays the selected sound from that point, Play plays the
// region when there is one and Loop loops it (else both take the whole sound, as before), Stop
// ends any; the strip's cursor follows.
class StripPlayback : public QObject {
    Q_OBJECT
public:
    struct WholeSound {
        std::function<QString()> selectedPath;
        std::function<void()> play; // the main window's own Play
        std::function<void()> loop; // and Loop
        std::function<void()> stop; // and Stop
    };

    // Without a cutter Loop always loops the whole sound.
    StripPlayback(CommandTable& commands, WaveStrip& strip, CWavePlayer& player, IUi& ui,
                  ISoundCutter* cutter, WholeSound whole, QObject* parent = nullptr);

    void playFrom(qint64 frame);
    void playRegion(FrameRange region);

private:
    void play();
    void loop();
    void stop();
    bool startAt(qint64 frame);

    WaveStrip& m_strip;
    CWavePlayer& m_player;
    IUi& m_ui;
    ISoundCutter* m_cutter;
    WholeSound m_whole;
    QTemporaryDir m_loopFolder; // the looped region, as a sound file of its own
    QTimer m_regionEnd;         // a region's play is stopped at its end
};

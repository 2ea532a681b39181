#pragma once

#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "platform/RegistryStore.h"
#include "platform/Ui.h"
#include "platform/audio/AudioDevices.h"
#include "platform/audio/EventSoundForm.h"
#include "platform/audio/LoudnessMeter.h"
#include "platform/audio/PeakReader.h"
#include "platform/audio/SoundSlice.h"

#include <QString>
#include <functional>
#include <memory>

// What the windows reach the outside world through. The application object builds the real
// ones; tests build doubles.
struct Services {
    IUi& ui;
    IPlaybackDevice& playback;
    ISoundPlayer& sounds;
    IFileSystem& files;
    IProcessLauncher& launcher;
    IDesktop& desktop;
    std::function<std::unique_ptr<IRecordingDevice>()> makeRecorder;
    QString programDir; // with trailing separator
    // The registry store; the scheme commands are wired only where there is one.
    IRegistryStore* registry = nullptr;
    // Reads the outlines of sounds; the waveform strip is shown only where there is one.
    IPeakReader* peakReader = nullptr;
    // Cuts a region out of a sound into a file of its own (looped regions, saved regions).
    ISoundCutter* soundCutter = nullptr;
    // Turns event sounds a desktop player cannot play into ones it can; none: all are linked.
    IEventSoundForm* eventSounds = nullptr;
    // Measures a sound's EBU R128 loudness; none: sounds are played as recorded and the
    // properties do not measure them.
    LoudnessMeasure measureLoudness = {};
};

#pragma once

#include "core/PlayGain.h"
#include "core/SoundFacts.h"
#include "core/WaveInfo.h"
#include "platform/Ui.h"
#include "platform/audio/AudioDevices.h"

// The one player of the program: single plays through the playback device, loops through the
// sound player, and the WaveInfo of the last file read. Every play, single or looped, takes its
// gain from the play gain (even loudness) when one is set.
class CWavePlayer {
public:
    enum State { Playing = 22, Stopped = 33 };

    CWavePlayer(IPlaybackDevice& device, ISoundPlayer& sounds, IUi& ui);
    virtual ~CWavePlayer();
    CWavePlayer(const CWavePlayer&) = delete;
    CWavePlayer& operator=(const CWavePlayer&) = delete;

    // Closes the device and opens path; a failure shows the device's error text once.
    bool Open(const QString& path);
    // Plays the open file from startFrame (0: its start), only when stopped. The state stays
    // playing after the sound ends by itself: nothing tells us it ended.
    void Play(qint64 startFrame = 0);
    // Nothing plays every sound as recorded. The gain outlives the player.
    void setPlayGain(IPlayGain* gain) { m_gain = gain; }
    // The factor a play of path takes.
    float gainFor(const QString& path) const;
    // Ends a loop or a single play; the file stays open.
    void Stop();
    // Loops path until Stop, only when stopped; the single-play device is not used. A part of
    // a sound cut out to be looped plays at the gain of the sound it comes from, soundOf.
    void PlayLoop(const QString& path, const QString& soundOf = {});
    void Close();
    State GetState() const { return m_state; }
    bool isLooping() const { return m_loop; }

    // Reads path's sound facts (readSoundFacts). A WAV file's also become waveInfo(); a file
    // that gives no facts, or no WAV facts, keeps the last WaveInfo and returns false.
    bool ReadWaveInfo(const QString& path);
    const WaveInfo& waveInfo() const { return m_info; }
    // True when the last ReadWaveInfo read a sound of another type than WAV: its facts are
    // soundFacts(), its play time frames over rate.
    bool readOtherType() const { return m_otherType; }
    // True when the last ReadWaveInfo got no facts from a file not named ".wav": nothing of the
    // last WAV file stands for it (it shows unreadableFacts()).
    bool readUnreadableOther() const { return m_unreadableOther; }
    // The facts of the last file read that gave any, WAV or not.
    const SoundFacts& soundFacts() const { return m_facts; }

private:
    IPlaybackDevice& m_device;
    ISoundPlayer& m_sounds;
    IUi& m_ui;
    IPlayGain* m_gain = nullptr;
    QString m_openPath;
    WaveInfo m_info;
    SoundFacts m_facts;
    bool m_otherType = false;
    bool m_unreadableOther = false;
    bool m_loop = false;
    bool m_openSucceeded = false;
    State m_state = Stopped;
};

#pragma once

#include "core/PlayGain.h"

class ISettings;
class SoundLoudness;

// The play gain of "Play every sound at the same loudness": off, every sound plays as recorded;
// on, at kEvenLoudnessLufs within the true peak ceiling. A sound not measured yet is estimated
// before it plays (from its first seconds, which is quick) and measured whole on a worker for
// the plays after. A silent sound, one too short for a loudness or one that cannot be measured
// plays as recorded.
class EvenLoudness : public IPlayGain {
public:
    EvenLoudness(const ISettings& settings, SoundLoudness& loudness);

    float gainFor(const QString& path) override;

private:
    const ISettings& m_settings;
    SoundLoudness& m_loudness;
};

#include "library/EvenLoudness.h"

#include "core/Settings.h"
#include "library/SoundLoudness.h"

EvenLoudness::EvenLoudness(const ISettings& settings, SoundLoudness& loudness)
    : m_settings(settings), m_loudness(loudness) {}

float EvenLoudness::gainFor(const QString& path) {
    if (m_settings.read(keys::kEvenLoudness) != 1)
        return 1.0f;
    std::optional<LoudnessFacts> facts = m_loudness.known(path);
    if (!facts) {
        const LoudnessResult estimate = m_loudness.estimate(path);
        if (!estimate)
            return 1.0f;
        m_loudness.measure(path);
        facts = *estimate;
    }
    const std::optional<double> decibels = evenLoudnessGainDb(facts->integrated, facts->truePeak);
    return decibels ? factorOfDb(*decibels) : 1.0f;
}

#pragma once

#include "platform/audio/EventSoundForm.h"

// Event sound forms through libsndfile, which reads every WAV coding the collection holds.
class SndfileEventSounds final : public IEventSoundForm {
public:
    bool playableAsIs(const QString& path) override;
    bool writePcm16Copy(const QString& source, const QString& destination) override;
};

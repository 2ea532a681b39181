#pragma once

#include <QString>

// The sample forms a freedesktop sound player takes in a WAV event sound: 8- or 16-bit PCM.
// Other sounds (mu-law, A-law, float, ADPCM, 24- and 32-bit) go into a sound theme as a
// 16-bit PCM copy.
class IEventSoundForm {
public:
    virtual ~IEventSoundForm() = default;
    // True when a desktop player plays the file as it is, or when it is no sound this can
    // convert (it is then left for the player to judge).
    virtual bool playableAsIs(const QString& path) = 0;
    // Writes the sound as a 16-bit PCM WAV file to destination, replacing it all at once. False
    // (and destination as it was) when the sound cannot be read or the copy cannot be written.
    virtual bool writePcm16Copy(const QString& source, const QString& destination) = 0;
};

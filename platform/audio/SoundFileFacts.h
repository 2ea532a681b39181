#pragma once

#include <QString>
#include <QtGlobal>
#include <expected>

// What libsndfile says of a sound file's header.
struct SoundFileFacts {
    QString formatText; // the file type's short name: "FLAC", "OGG", "AIFF", "MP3" ...
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0; // 0 where samples have no fixed size (compressed types)
    qint64 frames = 0;
};

// Reads the header of any file type libsndfile reads; the error is a text for the user.
std::expected<SoundFileFacts, QString> readSoundFileFacts(const QString& path);

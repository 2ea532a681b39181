#pragma once

#include <QByteArray>
#include <QList>
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

// The endings (".flac") of the file types besides WAV that the program lists when asked to list
// them all: FLAC, Ogg Vorbis, Opus, MP3, AIFF, AU/SND and CAF, each only where the installed
// libsndfile reads it, as its own list of formats says.
QList<QByteArray> readableSoundFileEndings();

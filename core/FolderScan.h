#pragma once

#include "platform/DirectoryListing.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ISettings;

// Display name of a sound file: its file name without directory and without its last extension.
QString displayName(const QString& fileName);

// Which files the program takes as sounds: ".wav" files alone, or, with "Show all sound files"
// on the Misc. page, every other type the installed sound library reads as well.
enum class SoundFiles { Wav, All };
// What the data file says ([Show] All_Sounds).
SoundFiles shownSoundFiles(const ISettings& settings);

// The endings of the other types (".flac", ".ogg" ...), lower case. Set once at start from what
// the sound library reads, before any other thread lists a folder; without it All is Wav.
void useOtherSoundEndings(QList<QByteArray> endings);
// ".wav" first, then, with All, the other types' endings.
QList<QByteArray> soundFileEndings(SoundFiles which);
// True when the file name ends in one of those endings (in any letter case).
bool isSoundFileName(const QString& fileName, SoundFiles which);
// The file picker's patterns: "*.wav", or "*.wav *.flac ..." with All.
QString soundFilePatterns(SoundFiles which);

// Makes folder the working directory and returns the display names of its sound files
// (extension matched without regard to case, directories excluded) in directory order, with
// the file of each name that is not simply name + ".wav". A folder that cannot be entered
// lists nothing.
ListedNames scanSoundFolder(const QString& folder, SoundFiles which);
// The same for "*.wav" files alone.
ListedNames scanWavFolder(const QString& folder);

// True when the folder holds at least one sound file.
bool folderHasSoundFiles(const QString& folder, SoundFiles which);
// True when the folder holds at least one "*.wav" file.
bool folderHasWavFiles(const QString& folder);

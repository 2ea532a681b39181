#pragma once

#include "core/FolderScan.h"

#include <QString>
#include <optional>

class IUi;

// The text that stands for the top of the folder tree: as a start folder it is no path, so
// the browser preselects nothing.
inline const QString kMyComputer = QStringLiteral("My Computer");
inline const QString kOpenFolderInstruction =
    QStringLiteral("Browse for folder to open in Tembrel");
inline const QString kNoWavFilesText =
    QStringLiteral("No *.wav files find.\nTembrel cannot open folder without *.wav files.");

inline const QString kNoSoundFilesText =
    QStringLiteral("No sound files found.\nTembrel cannot open a folder without sound files.");

// Asks for a folder until the user picks one that holds sound files of the kind listed ("*.wav"
// files alone unless which is All; each refusal says why and opens the browser again) or
// cancels. The picked folder becomes the working directory.
std::optional<QString> pickFolderWithSounds(IUi& ui, SoundFiles which = SoundFiles::Wav);

#pragma once

#include <QString>

// Texts of the favourites windows that more than one place shows.
inline const QString kSystemSoundsFolder = QStringLiteral("/usr/share/sounds");
inline const QString kAddToListInstruction = QStringLiteral("Add directory to list:");
inline const QString kCreateNewInstruction = QStringLiteral("Folders/Drives:");
inline const QString kNoWavFilesInFolder = QStringLiteral("No *.wav files find");
inline const QString kNoSoundFilesInFolder = QStringLiteral("No sound files found");
inline const QString kCannotCreateDirectory = QStringLiteral("Cannot create directory");
inline const QString kNotOneFolderName =
    QStringLiteral("\"%1\" is not a folder name: a name cannot hold \"/\" nor be \".\" or \"..\".");
inline const QString kErrorCaption = QStringLiteral("Error");
inline const QString kFavoritesNotSaved =
    QStringLiteral("The favourites list could not be saved: the data file cannot be written.\n"
                   "The window stays open so that nothing is lost.");
inline const QString kAddNotSaved =
    QStringLiteral("The folder could not be added to the favourites: the data file cannot be "
                   "written.");
inline const QString kFolderGone = QStringLiteral("The folder %1 no longer exists.");

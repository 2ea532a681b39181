#pragma once

#include <QString>

#include "platform/SettingsStore.h"

// Where the program keeps its things for this run. What the program only reads (help pages,
// cursor themes, the web page images) always comes from the program directory; the data file
// and the collection live where they can be written.
struct ProgramPlaces {
    QString programDir;     // with trailing separator
    QString dataFile;       // the INI data file
    QString collectionHome; // the main directory's name is taken from here; trailing separator
};

// The build tree and any program directory the user owns: everything lives in it.
ProgramPlaces placesInProgramDir(const QString& programDir);
// An installed program: configHome/tembrel/Tembrel.dat and the collection under
// dataHome/tembrel/.
ProgramPlaces placesInUserFolders(const QString& programDir, const QString& configHome,
                                  const QString& dataHome);

// The install leaves this file in the program directory it fills.
inline const QString kInstalledMarker = QStringLiteral(".tembrel-installed");

// An installed program directory (marked by the install, or one this user cannot write) keeps
// nothing of the user's.
bool isInstalledProgramDir(const QString& programDir);

// First start of an installed program: the default data file and the collection it names (under
// collectionName) are copied to the user's places where they are not yet. Nothing there is ever
// replaced. Returns what could not be copied, one line each (empty when all is in place).
QString copyMissingDefaults(const ProgramPlaces& installed, const ProgramPlaces& user,
                            const settings::Key& collectionName);

// The places of the running program, with the defaults copied on first start; a copy that
// failed is described in *copyError.
ProgramPlaces currentProgramPlaces(const settings::Key& collectionName, QString* copyError);

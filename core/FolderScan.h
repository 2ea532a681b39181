#pragma once

#include "platform/DirectoryListing.h"

#include <QString>
#include <QStringList>

// Display name of a sound file: its file name without directory and without its last extension.
QString displayName(const QString& fileName);

// Makes folder the working directory and returns the display names of its "*.wav" files
// (extension matched without regard to case, directories excluded) in directory order, with
// the file of each name that is not simply name + ".wav". A folder that cannot be entered
// lists nothing.
ListedNames scanWavFolder(const QString& folder);

// True when the folder holds at least one "*.wav" file.
bool folderHasWavFiles(const QString& folder);

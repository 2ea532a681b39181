#pragma once

#include <QString>

// The program directory is the folder of the running executable; the data file, the main
// directory, Bin/ and the help pages live there whatever the working directory is.
namespace programdir {

// The executable's folder with a trailing separator, e.g. "/opt/tembrel/".
QString withSeparator();
// The same without the trailing separator.
QString withoutSeparator();
// The executable's file name, which is the application title.
QString executableName();

} // namespace programdir

// Path helpers shared by every window.
namespace pathhelp {

// Text after the last separator (the whole text if there is none).
QString fileName(const QString& path);
// File name up to, not including, its last "." (the whole file name if it has none).
QString fileTitle(const QString& path);
// Folder + separator + name + ".wav": how a listed sound's file is always rebuilt. When only
// a differently spelled extension exists (".WAV"), that file is the sound.
QString soundPath(const QString& folder, const QString& name);
// True when path names a regular file (or a link to one).
bool isRegularFile(const QString& path);
// Joins a folder and a relative name with exactly one separator.
QString join(const QString& folder, const QString& name);

} // namespace pathhelp

#pragma once

#include "core/FolderScan.h"
#include "lists/ListKind.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class IFileSystem;
class IPlaybackDevice;
class ISoundPlayer;
class QTextStream;

struct ExportServices {
    IFileSystem& files;
    IPlaybackDevice& playback;
    ISoundPlayer& sounds;
    QString programDir;  // with trailing separator
    QString programName; // starts every line written to errors
    // The order of the main window's list, as the indexes of names in that order.
    std::function<std::vector<int>(const QStringList&)> orderAsListed;
    SoundFiles soundFiles = SoundFiles::Wav; // the files listed, as the main window lists them
};

// Writes the list of kind for the sound files of folder into folder, as the main window's
// command writes it for that folder, asking nothing. Returns the exit status: 0 when the
// complete list was written, 1 otherwise with one line on errors saying why. A sound the
// player cannot open is reported on errors as well, and listed all the same. The web page
// replaces a page or an image there that the program did not write only with force; without,
// that is a failure naming the file.
int exportListFromCommandLine(ListKind kind, const QString& folder, bool force,
                              ExportServices& services, QTextStream& errors);

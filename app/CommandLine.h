#pragma once

#include "lists/ListKind.h"

#include <QStringList>
#include <optional>

// How the program was asked to start.
struct StartOptions {
    bool schemeBuilderOnly = false; // first plain argument is exactly "blv"
    bool showSplash = true;         // off with the "Embedding" or "Automation" switch
    QString soundFile;              // the first argument ending in ".wav", made absolute
    // The first argument ending as another sound type does (".flac", ...), made absolute:
    // shown only by a window that lists all sound files; otherwise it counts as a word.
    QString otherSoundFile;
    // The sound to show: the ".wav" one, else the other.
    QString anySoundFile() const { return soundFile.isEmpty() ? otherSoundFile : soundFile; }
};

// An argument ending in ".wav" (any letter case) is a sound file to show, even one starting
// with "/"; other arguments starting with "/" or "-" are switches; the first remaining one is
// the word that selects the start mode. arguments excludes the program name. A relative sound
// file is taken from workingFolder, the folder the program was started in: the main window
// makes the folders it scans the working folder later.
StartOptions parseStartOptions(const QStringList& arguments, const QString& workingFolder);

// A run that shows no window: "--help", "--version", "--export text|html|web FOLDER"
// (with "--force" to replace a web page the program did not write), "--index [FOLDER...]" or
// "--search WORDS".
struct ConsoleTask {
    enum class Kind { Help, Version, ExportList, IndexSounds, SearchSounds, Mistake };
    Kind kind = Kind::Help;
    ListKind list = ListKind::Text;
    QString folder;
    QStringList folders; // for IndexSounds: none means the main directory and the favourites
    QString words;       // for SearchSounds
    bool force = false;
    QString mistake; // what is wrong with the arguments, for Mistake
};

// Any argument starting with "--" (program name excluded) makes the run a console task: an
// unknown one is a mistake; without them the run starts as parseStartOptions says.
std::optional<ConsoleTask> parseConsoleTask(const QStringList& arguments);
// The same decision on the raw arguments, before an application object exists.
bool isConsoleRun(int argc, const char* const* argv);
// The version --version prints after the program's name.
QString programVersion();
// What --help prints.
QString commandLineHelp(const QString& programName);

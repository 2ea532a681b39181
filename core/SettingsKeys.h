#pragma once

#include <QString>

#include "platform/SettingsStore.h"

// Every key of the data file, each with what a missing value reads as. A new setting is one line
// here; its readers and writers name it as keys::kX through ISettings::read and ISettings::write.
namespace keys {

// A text setting. A missing one reads as settings::kMissing, which callers may report.
using Text = settings::Key;

// A whole-number setting. A missing or unreadable one reads as its fallback; it is written as
// decimal text.
struct Number {
    QString section;
    QString key;
    int fallback;
};

// The collection's main directory: a folder name under the collection home.
inline const Text kMainDirectory{QStringLiteral("Main_Directory"),
                                 QStringLiteral("Master_Directory")};
inline const Text kEditor{QStringLiteral("Editor_Name"), QStringLiteral("Editor")};
inline const Text kRecordingName{QStringLiteral("Default_Rec_Name"), QStringLiteral("Rec_Name")};

// The longest recording in seconds, and 1 to minimise the main window while recording.
inline const Number kRecordTime{QStringLiteral("Record"), QStringLiteral("Rec_Time"), 30};
inline const Number kMinimiseWhileRecording{QStringLiteral("Record"), QStringLiteral("Show_Win"),
                                            1};

// The cursor theme, 1 .. 12.
inline const Number kCursorTheme{QStringLiteral("Cursor"), QStringLiteral("Current"), 1};

// 1: the flat scroll bar on the main list. The main window takes a missing key as 0, while the
// Misc. page shows a missing key as a ticked box: the same key with two fallbacks.
inline const Number kFlatScrollBar{QStringLiteral("Show"), QStringLiteral("Fsb"), 0};
inline const Number kFlatScrollBarBox{QStringLiteral("Show"), QStringLiteral("Fsb"), 1};
// Not 0: offer "Add to Favorites?" after a folder is opened.
inline const Number kAddToFavoritesPrompt{QStringLiteral("Show"), QStringLiteral("Atf"), 1};
// 1: play each sound when it is selected.
inline const Number kPreview{QStringLiteral("Show"), QStringLiteral("Preview"), 0};
// 1: play every sound at the same loudness (-23 LUFS, true peak at most -1 dBTP).
inline const Number kEvenLoudness{QStringLiteral("Show"), QStringLiteral("Even_Loudness"), 0};
// 1: list, play and handle every sound file type the sound library reads, not ".wav" files alone.
inline const Number kAllSounds{QStringLiteral("Show"), QStringLiteral("All_Sounds"), 0};

inline const Text kMailTo{QStringLiteral("Default_Mail"), QStringLiteral("To")};
inline const Text kMailCommand{QStringLiteral("Default_Mail"), QStringLiteral("Command")};

// The folders Copy To and Add From start in.
inline const Text kCopyToFolder{QStringLiteral("Copy To Directory"), QStringLiteral("Directory")};
inline const Text kAddFromFolder{QStringLiteral("Add From Directory"), QStringLiteral("Directory")};

// The command lines of the output and input mixers.
inline const Text kOutputMixer{QStringLiteral("Mixer"), QStringLiteral("Output")};
inline const Text kInputMixer{QStringLiteral("Mixer"), QStringLiteral("Input")};

// The favourite folders: a count, and the entries 1 .. count.
inline const Number kFavoriteCount{QStringLiteral("User_Directories_Number"),
                                   QStringLiteral("User_Directories"), -1};
// Entry number n: key "User_Directory" followed by n, in section "User_Directory".
Text favoriteFolder(int number);

// How many folder levels below the main directory and each favourite the sound index goes.
inline const Number kIndexDepth{QStringLiteral("Directories"), QStringLiteral("Index_Depth"), 8};

// A key and its new value for one update of the file (ISettings::writeStrings).
settings::Entry entry(const Text& key, const QString& value);
settings::Entry entry(const Number& key, int value);

} // namespace keys

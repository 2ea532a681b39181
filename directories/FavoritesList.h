#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class ISettings;

// The favourite folders kept in the data file: a count and the entries 1 .. count, each a full
// folder path. An empty entry is no entry; keys above the count are ignored.
namespace favorites {

// The row that stands for the collection's main directory; it is never stored.
inline const QString kMainLibraryRow = QStringLiteral("<Main Library>");

struct Stored {
    QStringList folders;       // the entries that are not empty, in number order
    int count = -1;            // the stored count; -1 when there is none
    bool entryMissing = false; // an entry between 1 and the count is absent
    bool lastMissing = false;  // the entry the count points at is absent
};

// Reads the stored list. An absent entry is noted and the reading goes on past it, so that the
// entries after a gap are not lost.
Stored read(const ISettings& settings);

// What the Favorites window stores when it saves its rows: the rows in order, then every folder
// stored by someone else (the add-to-favorites prompt) since the window read the list.
QStringList mergeForSave(const QStringList& rows, const QStringList& readAtOpen,
                         const QStringList& storedNow);

// Stores folders as entries 1 .. n and n as the count, and empties the entries n+1 .. blankUpTo,
// all in one update of the data file. False when the file could not be written; it is then
// unchanged.
bool write(ISettings& settings, const QStringList& folders, int blankUpTo);

enum class AppendOutcome { Added, AlreadyStored, LastEntryMissing, WriteFailed };

// Appends folder after the last entry unless the same text (same case) is stored already, or the
// entry the count points at is absent. Count and entry are written in one update.
AppendOutcome append(ISettings& settings, const QString& folder);

// Why the data file cannot keep folder exactly as it is (a line break, blanks at its ends, more
// than 259 characters, a name that is not UTF-8); nothing when it can.
std::optional<QString> whyNotStorable(const QString& folder);

} // namespace favorites

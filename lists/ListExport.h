#pragma once

#include "platform/DirectoryListing.h"

#include "lists/ListKind.h"

#include <QString>
#include <QStringList>
#include <expected>
#include <optional>

class CWavePlayer;
class IFileSystem;

// What writing a list needs besides the folder and its names.
struct ListTools {
    IFileSystem& files;
    CWavePlayer& player; // Open and ReadWaveInfo run on every found file
    QString programDir;  // with trailing separator; the web page's images come from here
};

struct WrittenList {
    QString path;
    // The web page only: the name at which it stopped because that file could not be read.
    std::optional<QString> failedName;
};

// Writes the list of kind for names (in list order) into folder, replacing an older list all
// at once: a list that cannot be written leaves the older file (or none) and nothing
// half-written. The web page first copies its two images into folder; a missing image is
// not an error. The error is a text for the user.
std::expected<WrittenList, QString> writeListFile(ListKind kind, const QString& folder,
                                                  const ListedNames& sounds, ListTools& tools);

// The first of the web page's files in folder ("index.html", then its two images) that is
// there and was not written by this program, whose replacing needs the user's word; none when
// writing the page replaces only the program's own files.
std::optional<QString> foreignWebFile(const QString& folder, const QString& programDir);

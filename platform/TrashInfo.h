#pragma once

#include <QByteArray>
#include <QString>

// The "Path=" value of a Trash's .trashinfo file: the path's bytes with everything but
// letters, digits, "-._~" and "/" escaped as %XX, so a file named "a%41b.wav" comes back as
// "a%41b.wav" and not "aAb.wav".
QByteArray escapedTrashPath(const QByteArray& path);

// Qt's Trash writes the Path= line of the .trashinfo file that goes with a file it moved to
// `trashedPath` (TRASH/files/NAME) without escaping it; this escapes it in place. A line that
// is already escaped, or is not the path the file came from, is left alone.
bool escapeTrashInfoPath(const QString& trashedPath, const QString& originalPath);

// Moves the file at path (its bytes, which need not be UTF-8) into the home Trash under
// trashFolder ($XDG_DATA_HOME/Trash), keeping its name's bytes. False, with the file left
// where it was, when the Trash cannot take it (another file system, no room, no rights).
bool moveToHomeTrash(const QByteArray& path, const QByteArray& trashFolder);

#pragma once

#include <QByteArray>
#include <QString>

// Replaces path with bytes all at once: the bytes go to a new file beside it, which is flushed
// to disk and then renamed over path. On any failure (full disk, size limit, no rights) the old
// file is left exactly as it was and no temporary file remains. Every short write counts as a
// failure.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// Copies source to destination the same way: the destination is either the complete copy or
// exactly what it was before. Without overwrite an existing destination makes it fail. The
// copy has the source's permission bits and modification time.
bool copyFileAtomically(const QString& source, const QString& destination, bool overwrite);

// Copies source over destination the same way, as a file newly written there: it keeps the
// mode of the destination it replaces, or takes the usual mode of a new file (the umask's), and
// bears the time of the copy. For files made in a private temporary place first.
bool publishFileAtomically(const QString& source, const QString& destination);

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Names of the regular files in folder (links to regular files included) that end in suffix
// (compared without regard to case), in the order the file system returns them; nothing when
// the folder cannot be read. Reads the directory once and looks at a file itself only when the
// directory entry does not tell its type. With Suffix::Drop the names come without the suffix.
enum class Suffix { Keep, Drop };
std::optional<QStringList> listRegularFilesEndingWith(const QString& folder,
                                                      const QByteArray& suffix,
                                                      Suffix keep = Suffix::Keep);

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// Names of the regular files in folder (links to regular files included) that end in suffix
// (compared without regard to case), in the order the file system returns them; nothing when
// the folder cannot be read. Reads the directory once and looks at a file itself only when the
// directory entry does not tell its type. Names are decoded as in platform/NativeName.h.
// With Suffix::Drop the names come without the suffix, as they are shown; a name whose file
// is not simply the name followed by suffix (the suffix spelled in other letters, bytes that
// are not UTF-8) has its file name at the same index of files, which stays empty while every
// file is plain.
enum class Suffix { Keep, Drop };
struct ListedNames {
    ListedNames(QStringList shownNames = {}, QStringList otherFiles = {})
        : names(std::move(shownNames)), files(std::move(otherFiles)) {}
    // The file of names[i] when it is not name + suffix; empty when it is.
    QString otherFile(qsizetype i) const { return i < files.size() ? files[i] : QString(); }
    QStringList names;
    QStringList files;
};
std::optional<ListedNames> listRegularFilesEndingWith(const QString& folder,
                                                      const QByteArray& suffix,
                                                      Suffix keep = Suffix::Keep);
// The same for the files ending in any of suffixes, each name shown without the suffix it ends
// in. The first suffix is the usual one: a name whose file is not simply the name followed by
// suffixes[0] has its file name in files.
std::optional<ListedNames> listRegularFilesEndingWithAny(const QString& folder,
                                                         const QList<QByteArray>& suffixes,
                                                         Suffix keep = Suffix::Keep);

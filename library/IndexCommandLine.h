#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class QIODevice;
class QTextStream;

// What "--index" works on.
struct IndexRun {
    QString indexFile;
    std::vector<QByteArray> tops;
    int depth = 8;
    bool wholeCollection = true; // false: only these folders of it are brought up to date
    bool progressLine = false;   // a line on errors, rewritten as the scan goes
    // The collection's top folders: folders below one are named and limited in depth from it.
    std::vector<QByteArray> collection;
    // Asks the program that holds the index to bring these folders (none: all) up to date;
    // false when no program takes the request.
    std::function<bool(const std::vector<QByteArray>& folders)> askWriter;
};

// Brings the index up to date, asking nothing. When another program holds the index, that
// program is asked to do it instead (askWriter) and errors says so. Returns the exit status: 0
// when every folder was read or the request was taken, 1 when the index could not be written
// (held by a program that takes no requests, or it cannot be opened) or some folder could not
// be read; each problem is one line on errors.
int indexFromCommandLine(const IndexRun& run, QTextStream& errors);

// Writes the path of every indexed sound matching words to out, one a line, as the file
// system's bytes. Returns 0 when a sound matched, 1 when none did (or there is no index), 2
// when the words cannot be read as a search.
int searchFromCommandLine(const QString& indexFile, const QString& words, QIODevice& out,
                          QTextStream& errors);

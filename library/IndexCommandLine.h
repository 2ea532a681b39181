#pragma once

#include <QByteArray>
#include <QString>
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
};

// Brings the index up to date, asking nothing. Returns the exit status: 0 when every folder
// was read, 1 when the index could not be written (another program holds it, or it cannot be
// opened) or some folder could not be read; each problem is one line on errors.
int indexFromCommandLine(const IndexRun& run, QTextStream& errors);

// Writes the path of every indexed sound matching words to out, one a line, as the file
// system's bytes. Returns 0 when a sound matched, 1 when none did (or there is no index), 2
// when the words cannot be read as a search.
int searchFromCommandLine(const QString& indexFile, const QString& words, QIODevice& out,
                          QTextStream& errors);

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away program directory: a data file, a main directory and helpers to put files in.
class TempProgramDir {
public:
    // A data file naming "Library" as the main directory, with every key set.
    static QByteArray defaultDataFile();

    explicit TempProgramDir(const QByteArray& dataFile = defaultDataFile());

    QString path() const;     // with trailing separator
    QString dataFile() const; // path of Tembrel.dat
    QString library() const;  // the main directory, without trailing separator
    QString makeFolder(const QString& relative) const; // created, returned without separator
    void writeFile(const QString& path, const QByteArray& bytes) const;
    void removeDataFile() const;

private:
    QTemporaryDir m_dir;
};

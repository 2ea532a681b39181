#pragma once

#include <QString>
#include <QStringList>

#include "core/SettingsKeys.h"
#include "platform/FileLock.h"
#include "platform/ProgramPlaces.h"
#include "platform/SettingsStore.h"
#include "platform/Ui.h"

// The one door to the data file for everything but the store itself. Features read and write
// the named keys of core/SettingsKeys.h; the string calls below carry them to the file. A string
// read gives the stored text, or settings::kMissing when the key is missing.
class ISettings {
public:
    virtual ~ISettings() = default;

    QString read(const keys::Text& key) const { return readString(key.section, key.key); }
    int read(const keys::Number& key) const { return readInt(key.section, key.key, key.fallback); }
    // False when the data file could not be written; the stored value is then unchanged.
    bool write(const keys::Text& key, const QString& value) {
        return writeString(key.section, key.key, value);
    }
    bool write(const keys::Number& key, int value) {
        return writeString(key.section, key.key, QString::number(value));
    }

    virtual QString readString(const QString& section, const QString& key) const = 0;
    virtual int readInt(const QString& section, const QString& key, int fallback) const = 0;
    // Many keys of one section, as readString gives each; the data file reads them in one go.
    virtual QStringList readStrings(const QString& section, const QStringList& keys) const {
        QStringList values;
        for (const QString& key : keys)
            values.append(readString(section, key));
        return values;
    }
    // False when the data file could not be written; the stored value is then unchanged.
    virtual bool writeString(const QString& section, const QString& key, const QString& value) = 0;
    // Sets every key in one update of the file: all are stored, or (false) none is.
    virtual bool writeStrings(const QList<settings::Entry>& entries) = 0;
    // Keeps other programs from writing the data file while the hold lives, so that what was
    // read under it still holds when a change based on it is written.
    virtual FileLock holdForUpdate() { return {}; }
};

// Where the program keeps its things. Each place is answered by one function, so that moving
// the collection changes one place and every feature follows.
class IProgramPlaces {
public:
    virtual ~IProgramPlaces() = default;
    // The program directory with a trailing separator.
    virtual QString programDir() const = 0;
    virtual QString dataFile() const = 0;
    // The collection's main directory: the folder of the stored main directory name.
    virtual QString mainDirectory() const = 0;
    // The folder a main directory name stands for (in the program directory, or in the
    // user's data folder for an installed program).
    virtual QString collectionFolder(const QString& name) const = 0;
    // The help page of that file name (e.g. "index.html").
    virtual QString helpPage(const QString& page) const = 0;
    // A cursor theme's file, from its path relative to the program directory.
    virtual QString cursorFile(const QString& relativePath) const = 0;
};

// The settings of the INI data file, in a program directory or in the user's folders.
class DataFileSettings final : public ISettings, public IProgramPlaces {
public:
    // Everything in the program directory.
    explicit DataFileSettings(const QString& programDir);
    explicit DataFileSettings(ProgramPlaces places);

    QString readString(const QString& section, const QString& key) const override;
    int readInt(const QString& section, const QString& key, int fallback) const override;
    QStringList readStrings(const QString& section, const QStringList& keys) const override;
    bool writeString(const QString& section, const QString& key, const QString& value) override;
    bool writeStrings(const QList<settings::Entry>& entries) override;
    FileLock holdForUpdate() override { return FileLock(m_places.dataFile); }

    QString programDir() const override { return m_places.programDir; }
    QString dataFile() const override { return m_places.dataFile; }
    QString mainDirectory() const override;
    QString collectionFolder(const QString& name) const override;
    QString helpPage(const QString& page) const override;
    QString cursorFile(const QString& relativePath) const override;

private:
    ProgramPlaces m_places;
};

// A string read that reports a missing key: the missing-value text shows once in a box (with
// icon) and stands as the value.

QString readReported(const ISettings& settings, IUi& ui, const keys::Text& key, MsgIcon icon);

// The copies of settings the main window takes once at start.
struct MainSettings {
    QString mainDirectoryName;
    QString editorPath;
    QString baseRecordingName;
    int recordTime = keys::kRecordTime.fallback;
    int cursorTheme = keys::kCursorTheme.fallback;
    int flatScrollBar = keys::kFlatScrollBar.fallback;
    int allSounds = keys::kAllSounds.fallback;
};

// Reads them in order; each missing string shows the missing-value text once and stands as
// the value.
MainSettings readMainSettings(const ISettings& settings, IUi& ui);

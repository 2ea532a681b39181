#pragma once

#include "core/BrowserView.h"
#include "core/Settings.h"

#include <QSet>

// The data file of a program directory, except for the keys a test makes unwritable (as root
// no file permission makes a write fail).
class RefusingSettings final : public ISettings, public IProgramPlaces {
public:
    explicit RefusingSettings(const QString& programDir) : m_real(programDir) {}

    QString readString(const QString& section, const QString& key) const override {
        return m_real.readString(section, key);
    }
    int readInt(const QString& section, const QString& key, int fallback) const override {
        return m_real.readInt(section, key, fallback);
    }
    bool writeString(const QString& section, const QString& key, const QString& value) override {
        return !refusedKeys.contains(key) && m_real.writeString(section, key, value);
    }
    bool writeStrings(const QList<settings::Entry>& entries) override {
        for (const settings::Entry& entry : entries)
            if (refusedKeys.contains(entry.key))
                return false;
        return m_real.writeStrings(entries);
    }
    QString programDir() const override { return m_real.programDir(); }
    QString dataFile() const override { return m_real.dataFile(); }
    QString mainDirectory() const override { return m_real.mainDirectory(); }
    QString collectionFolder(const QString& name) const override {
        return m_real.collectionFolder(name);
    }
    QString helpPage(const QString& page) const override { return m_real.helpPage(page); }
    QString cursorFile(const QString& path) const override { return m_real.cursorFile(path); }

    QSet<QString> refusedKeys;

private:
    DataFileSettings m_real;
};

// Remembers the folder the window was asked to show and whether it redrew.
class FakeBrowserWindow final : public IBrowserWindow {
public:
    QString currentFolder() const override { return shown; }
    QString currentSoundPath() const override { return {}; }
    void setCurrentFolder(const QString& folder) override { shown = folder; }
    void playCurrent() override {}
    void stopPlayback() override {}
    void refreshList() override {}
    void repaint() override { ++repaints; }

    QString shown = QStringLiteral("(unchanged)");
    int repaints = 0;
};

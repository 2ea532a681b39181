#pragma once

#include "core/BrowserView.h"
#include "core/Settings.h"
#include "platform/SettingsStore.h"

#include <QMap>
#include <QStringList>

// The main window's list as plain rows; a new row goes before the first that sorts after it
// (letter case aside), as in the window's sorted list. A row's file is name + ".wav" unless
// files has one.
class FakeSoundList final : public ISoundList {
public:
    int rowCount() const override { return static_cast<int>(rows.size()); }
    SoundRow row(int row) const override {
        if (row < 0 || row >= rowCount())
            return {};
        return {rows[row], rowFileName(rows[row], files.value(row))};
    }
    int selectedRow() const override { return selected; }
    void selectRow(int row) override { selected = row >= 0 && row < rowCount() ? row : -1; }
    int addRow(const SoundRow& sound) override {
        int row = 0;
        while (row < rowCount() && rows[row].compare(sound.name, Qt::CaseInsensitive) <= 0)
            ++row;
        rows.insert(row, sound.name);
        if (!sound.file.isEmpty() || !files.isEmpty()) {
            files.resize(rows.size() - 1);
            files.insert(row, sound.file);
        }
        return row;
    }
    void removeRow(int row) override {
        rows.removeAt(row);
        if (row < files.size())
            files.removeAt(row);
    }

    QStringList rows;
    QStringList files;
    int selected = -1;
};

// The browser around the list; what it was asked to do goes into a shared log.
class FakeBrowserWindow final : public IBrowserWindow {
public:
    explicit FakeBrowserWindow(QStringList& log) : m_log(log) {}
    QString currentFolder() const override { return folder; }
    QString currentSoundPath() const override { return {}; }
    void setCurrentFolder(const QString& path) override { folder = path; }
    void playCurrent() override { m_log << QStringLiteral("play"); }
    void stopPlayback() override { m_log << QStringLiteral("stop"); }
    void refreshList() override { m_log << QStringLiteral("refreshList"); }
    void repaint() override { m_log << QStringLiteral("updateStatus"); }

    QString folder;

private:
    QStringList& m_log;
};

// Settings kept in memory, "section/key" to value.
class MemorySettings final : public ISettings {
public:
    QString readString(const QString& section, const QString& key) const override {
        return values.value(section + QLatin1Char('/') + key, settings::kMissing);
    }
    int readInt(const QString& section, const QString& key, int fallback) const override {
        bool ok = false;
        const int value = values.value(section + QLatin1Char('/') + key).toInt(&ok);
        return ok ? value : fallback;
    }
    bool writeString(const QString& section, const QString& key, const QString& value) override {
        if (readOnly)
            return false;
        values[section + QLatin1Char('/') + key] = value;
        return true;
    }
    bool writeStrings(const QList<settings::Entry>& entries) override {
        if (readOnly)
            return false;
        for (const settings::Entry& entry : entries)
            values[entry.section + QLatin1Char('/') + entry.key] = entry.value;
        return true;
    }

    QMap<QString, QString> values;
    bool readOnly = false;
};

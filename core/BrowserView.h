#pragma once

#include "core/FolderScan.h"

#include <QString>

// One row of the list: the name shown and the file it stands for, as the folder spells it
// ("Bell.WAV"; bytes that are not UTF-8 kept as platform/NativeName.h says).
struct SoundRow {
    QString name;
    QString file;
};

// What the features see of the main window: the rows of its sorted list and the browser
// around them (the frame is in browser/WindowFrame.h). The main window implements them through
// MainWindowView; tests of logic use the doubles in tests/support.
class ISoundList {
public:
    virtual ~ISoundList() = default;
    virtual int rowCount() const = 0;
    virtual SoundRow row(int row) const = 0; // both empty for a row that does not exist
    virtual int selectedRow() const = 0;     // -1 when nothing is selected
    virtual void selectRow(int row) = 0;
    // At its sorted place; returns the row. An empty file stands for name + ".wav".
    virtual int addRow(const SoundRow& row) = 0;
    virtual void removeRow(int row) = 0;
};

// The row whose whole name matches, in any letter case; -1 when none does.
int findRow(const ISoundList& list, const QString& name);
// The row that stands for file (a name in the current folder); -1 when none does.
int findFileRow(const ISoundList& list, const QString& file);
// The file a row stands for: its own, or name + ".wav" where none was given.
QString rowFileName(const QString& name, const QString& file);
// The file name a sound goes by in messages and lists: name + ".wav" for a WAV file, whatever
// the letter case of its extension, and name + its own extension (".flac") for another type.
QString soundFileText(const QString& name, const QString& file);

class IBrowserWindow {
public:
    virtual ~IBrowserWindow() = default;
    // The folder shown, without a trailing separator.
    virtual QString currentFolder() const = 0;
    // Shows another folder: scans it and lists its sounds.
    virtual void setCurrentFolder(const QString& folder) = 0;
    // The full path of the sound last started with Play ("" before any).
    virtual QString currentSoundPath() const = 0;
    // Opens and plays the selected sound, as the Play command does.
    virtual void playCurrent() = 0;
    // Stops what plays (Play All included), as the Stop command does.
    virtual void stopPlayback() = 0;
    // Scans the current folder again, selects the first row and updates the status lines.
    virtual void refreshList() = 0;
    // Lists these sound files from now on and reads the current folder again at once; the
    // window keeps the selected sound selected while it is listed.
    virtual void showSoundFiles(SoundFiles which) {
        (void)which;
        refreshList();
    }
    // Updates the status lines and redraws the whole window.
    virtual void repaint() = 0;
};

#pragma once

#include <QString>

// What the commands of the collection see of the main window: the rows of its sorted list and
// the window around them. The main window implements both through an adapter; tests use the
// real window offscreen.
class ISoundList {
public:
    virtual ~ISoundList() = default;
    virtual int selectedRow() const = 0;                // -1 when nothing is selected
    virtual QString rowText(int row) const = 0;         // empty for a row that does not exist
    virtual int findRow(const QString& name) const = 0; // whole name, any letter case; -1
    virtual int addRow(const QString& name) = 0;        // at its sorted place; returns the row
    virtual void removeRow(int row) = 0;
    virtual void selectRow(int row) = 0;
};

class IBrowserWindow {
public:
    virtual ~IBrowserWindow() = default;
    // The folder shown, without a trailing separator.
    virtual QString currentFolder() const = 0;
    // Opens and plays the selected sound, as the Play command does.
    virtual void playCurrent() = 0;
    // Scans the current folder again, selects the first row and updates the status lines.
    virtual void refreshList() = 0;
    // Updates the status lines and redraws the whole window.
    virtual void repaint() = 0;
};

#pragma once

#include <QString>

class IFolders;
class IProgramPlaces;
class ISettings;
class IUi;

// A name the main directory can take inside the program directory: not empty, one path
// component ("/", "." and ".." are refused), one line, and short enough for the data file.
bool isUsableMainDirectoryName(const QString& name);

// Gives the main directory a new name: the folder is renamed and the name stored, both or
// neither. A refused or failed rename shows error #13 and a failed write error #12 (the
// folder then gets its old name back). An unchanged name only stores the name again. The
// missing-value text is never stored, neither as the name nor as the editor.
class MainDirectoryChange {
public:
    MainDirectoryChange(ISettings& settings, const IProgramPlaces& places, IFolders& folders,
                        IUi& ui);

    // True when the stored name now names the main directory, so the window can show it.
    bool rename(const QString& oldName, const QString& newName);
    // Stores the editor program; error #14 when that fails.
    void storeEditor(const QString& editorPath);

private:
    bool storeName(const QString& name);
    void say(const QString& text);

    ISettings& m_settings;
    const IProgramPlaces& m_places;
    IFolders& m_folders;
    IUi& m_ui;
};

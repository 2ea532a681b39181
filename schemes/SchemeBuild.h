#pragma once

#include "schemes/SchemeWriters.h"

#include <QList>
#include <QString>

class IUi;
class IRegistryStore;
class IFileSystem;
class IDesktop;
class IEventSoundForm;

// What the two builds of the scheme builder use.
struct SchemeBuildServices {
    IUi& ui;
    IRegistryStore& registry;
    IFileSystem& files;
    IDesktop& desktop;
    QString soundThemesDir;                 // $XDG_DATA_HOME/sounds
    IEventSoundForm* eventSounds = nullptr; // none: every sound is linked as it is
};

// A name for a file or folder of its own inside the chosen place: no "/", not "." or "..",
// no NUL, and short enough for the file system once `suffix` is added.
bool isPlainFileName(const QString& name, const QString& suffix);

// Builds the desktop theme `themeName` from the rows: a new folder in the themes folder that
// the store names, a copy of each row's sound in it and the .theme file, plus the same sounds
// as the freedesktop sound theme dirNameForTheme(themeName). Asks through the boxes of the
// theme build and opens the finished file on request.
void buildThemeFile(const QString& themeName, const QList<SchemeRow>& rows,
                    SchemeBuildServices& services);

// Writes `folder`/`scriptName`.reg and opens it. An earlier script of ours is replaced without
// asking; any other file of that name only when the user agrees.
void buildRegistryScript(const QString& scriptName, const QString& folder,
                         const QList<SchemeRow>& rows, SchemeBuildServices& services);

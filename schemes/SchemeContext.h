#pragma once

#include "schemes/SchemeBuild.h"

#include <QString>

class IUi;
class IRegistryStore;
class IFileSystem;
class IDesktop;
class ISoundPlayer;

// What the scheme features reach the outside world through.
struct SchemeContext {
    IUi& ui;
    IRegistryStore& registry;
    IFileSystem& files;
    IDesktop& desktop;
    ISoundPlayer& sounds;
    QString helpPage;       // the scheme builder's help page
    QString soundThemesDir; // $XDG_DATA_HOME/sounds

    SchemeBuildServices buildServices() { return {ui, registry, files, desktop, soundThemesDir}; }
};

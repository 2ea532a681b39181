#pragma once

#include "schemes/SchemeBuild.h"

#include <QString>

class IUi;
class IRegistryStore;
class IFileSystem;
class IDesktop;
class ISoundPlayer;
class IEventSoundForm;
class IProgramPlaces;
struct Services;

// What the scheme features reach the outside world through.
struct SchemeContext {
    IUi& ui;
    IRegistryStore& registry;
    IFileSystem& files;
    IDesktop& desktop;
    ISoundPlayer& sounds;
    QString helpPage;                       // the scheme builder's help page
    QString soundThemesDir;                 // $XDG_DATA_HOME/sounds
    IEventSoundForm* eventSounds = nullptr; // none: every sound is linked as it is

    SchemeBuildServices buildServices() {
        return {ui, registry, files, desktop, soundThemesDir, eventSounds};
    }
};

// The scheme features' context over the program's services; services.registry must be set.
SchemeContext schemeContext(Services& services, const IProgramPlaces& places);

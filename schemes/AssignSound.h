#pragma once

#include <QString>

class IUi;
class IRegistryStore;
class IEventSoundForm;

struct AssignServices {
    IUi& ui;
    IRegistryStore& registry;
    QString soundThemesDir;                 // $XDG_DATA_HOME/sounds
    IEventSoundForm* eventSounds = nullptr; // none: every sound is linked as it is
};

// Writes soundPath (the sound last started with Play; empty before any play) as the default
// value of the event's key under HKEY_CURRENT_USER, creating the key when it is missing, with
// no question before and no message after. On success the desktop sound theme "Tembrel" plays
// the same sound for the event (an empty path gives the event back to the inherited theme).
void AssignSoundToEvent(const QString& eventKeyPath, const QString& soundPath,
                        AssignServices& services);

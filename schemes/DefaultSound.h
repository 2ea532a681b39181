#pragma once

#include <QString>

class IRegistryStore;

// The sound that stands in for a sound file that is not there: the one assigned to "Default
// Sound" in the store, else the desktop's "bell" of the freedesktop sound theme, else none ("").
QString defaultSoundPath(IRegistryStore& registry);

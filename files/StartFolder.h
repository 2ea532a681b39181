#pragma once

#include <QString>

#include "core/SettingsKeys.h"

class ISettings;

// The folder where the system keeps its sounds; the pickers of Insert and Copy to start there
// when no default folder is set.
inline const QString kSystemSoundsFolder = QStringLiteral("/usr/share/sounds");

// The default folder stored under that key; a missing or empty value gives the system sounds
// folder.
QString defaultFolder(const keys::Text& key, const ISettings& settings);

#include "files/StartFolder.h"

#include "core/Settings.h"
#include "platform/SettingsStore.h"

QString defaultFolder(const keys::Text& key, const ISettings& settings) {
    const QString stored = settings.read(key);
    if (stored == settings::kMissing || stored.isEmpty())
        return kSystemSoundsFolder;
    return stored;
}

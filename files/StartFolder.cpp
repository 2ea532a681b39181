#include "files/StartFolder.h"

#include "core/Settings.h"
#include "platform/SettingsStore.h"

QString defaultFolder(const QString& section, const ISettings& settings) {
    const QString stored = settings.readString(section, QStringLiteral("Directory"));
    if (stored == settings::kMissing || stored.isEmpty())
        return kSystemSoundsFolder;
    return stored;
}

#include "operations/StartFolder.h"

#include "app/SettingsStore.h"

QString defaultFolder(const QString& section, const QString& dataFile) {
    const QString stored =
        settings::readString(section, QStringLiteral("Directory"), settings::kMissing, dataFile);
    if (stored == settings::kMissing || stored.isEmpty())
        return kSystemSoundsFolder;
    return stored;
}

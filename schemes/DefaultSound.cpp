#include "schemes/DefaultSound.h"

#include "platform/RegistryKey.h"
#include "schemes/EventTable.h"

#include <QFileInfo>
#include <QStandardPaths>

QString defaultSoundPath(IRegistryStore& registry) {
    CRegistryKey key(registry);
    QString assigned;
    if (key.Create(RegRoot::CurrentUser, EventKeyPath(kEventSlots[0])) == regstatus::kSuccess &&
        key.QueryStringValue(QString(), assigned) == regstatus::kSuccess && !assigned.isEmpty() &&
        QFileInfo(assigned).isFile())
        return assigned;
    for (const char* name :
         {"sounds/freedesktop/stereo/bell.oga", "sounds/freedesktop/stereo/bell.ogg",
          "sounds/freedesktop/stereo/bell.wav"}) {
        const QString found =
            QStandardPaths::locate(QStandardPaths::GenericDataLocation, QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

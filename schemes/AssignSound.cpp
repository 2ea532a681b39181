#include "schemes/AssignSound.h"

#include "platform/NativeName.h"
#include "platform/RegistryKey.h"
#include "platform/Ui.h"
#include "schemes/EventTable.h"
#include "schemes/SchemeTexts.h"
#include "schemes/SoundTheme.h"

namespace {

void appBox(IUi& ui, const QString& text) {
    ui.messageBox(text, ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
}

bool updateDesktopTheme(const QString& soundThemesDir, const QString& eventKeyPath,
                        const QString& soundPath, IEventSoundForm* forms) {
    const EventSlot* slot = slotForKeyPath(eventKeyPath);
    if (!slot)
        return true;
    const QString dir =
        soundThemesDir + QLatin1Char('/') + QLatin1String(soundtheme::kAssignedThemeDir);
    return soundtheme::ensureTheme(dir, QLatin1String(soundtheme::kAssignedThemeName)) &&
           soundtheme::setEventSound(dir, QLatin1String(slot->desktopEvent), soundPath, forms);
}

} // namespace

void AssignSoundToEvent(const QString& eventKeyPath, const QString& soundPath,
                        AssignServices& services) {
    const QString path = soundPath; // the caller's text may change while boxes are up
    // The store keeps text: a name that is not UTF-8 would be stored as another file's name.
    if (nativename::holdsForeignBytes(path)) {
        appBox(services.ui,
               QStringLiteral("The name of \"%1\" is not UTF-8 text, so it cannot be kept as an "
                              "event's sound.\nRename the sound first.")
                   .arg(nativename::shown(path)));
        return;
    }
    CRegistryKey key(services.registry);
    if (key.Create(RegRoot::CurrentUser, eventKeyPath) != regstatus::kSuccess)
        appBox(services.ui, QString::fromUtf8(schemetext::kRegistryNotAccessible));
    if (key.SetStringValue(QString(), path) != regstatus::kSuccess) {
        appBox(services.ui, QString::fromUtf8(schemetext::kCannotChangeValue));
        return;
    }
    key.Close();
    if (!updateDesktopTheme(services.soundThemesDir, eventKeyPath, path, services.eventSounds))
        appBox(services.ui, QString::fromUtf8(schemetext::kDesktopThemeFailed)
                                .arg(QLatin1String(soundtheme::kAssignedThemeName)));
}

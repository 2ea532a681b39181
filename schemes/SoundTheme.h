#pragma once

#include <QByteArray>
#include <QString>

class IEventSoundForm;

// Freedesktop sound themes, the event sounds the Linux desktop plays (through libcanberra):
// SOUNDS/NAME/index.theme and SOUNDS/NAME/stereo/EVENT.wav, where SOUNDS is
// $XDG_DATA_HOME/sounds. Our themes inherit "freedesktop", so events we leave out keep the
// desktop's usual sounds.
namespace soundtheme {

// The theme that Assign Sound keeps in step with the registry store.
inline constexpr const char* kAssignedThemeDir = "tembrel";
inline constexpr const char* kAssignedThemeName = "Tembrel";

// The folder name of a built theme: "tembrel-" + the name in lower-case ASCII with blanks,
// commas and anything else that is not a letter, digit, "." or "_" turned into single "-".
// "My Theme" gives "tembrel-my-theme".
QString dirNameForTheme(const QString& themeName);

QByteArray indexText(const QString& displayName);

// Creates the theme's folder, its stereo/ folder and index.theme (rewritten when it differs).
bool ensureTheme(const QString& themeDir, const QString& displayName);
// Points stereo/EVENT.wav at target (replacing what was there at once); an empty target removes
// the event's sound so the inherited one plays again. A sound in a form the desktop player does
// not take (as `forms` tells) becomes a 16-bit PCM copy instead of a link.
bool setEventSound(const QString& themeDir, const QString& eventName, const QString& target,
                   IEventSoundForm* forms = nullptr);

} // namespace soundtheme

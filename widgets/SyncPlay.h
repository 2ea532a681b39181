#pragma once

#include <QString>

class ISoundPlayer;
class QWidget;

// A synchronous play started from window: the call returns when the sound has ended, and
// meanwhile the program takes no clicks or keys, except Escape, which stops the sound.
// Closing window stops it too (and the window closes). Each sample is multiplied by gain.
void playSyncUntilEscape(ISoundPlayer& player, const QString& path, QWidget& window,
                         float gain = 1.0f);

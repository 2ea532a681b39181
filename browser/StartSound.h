#pragma once

#include "core/BrowserView.h"
#include "platform/FileSystem.h"
#include "platform/Ui.h"

#include <QString>

// A sound file named when the program starts (a file manager's "Open With"): the window shows
// that file's folder with the sound selected. A file that is not there is reported and the
// window stays on the main directory.
void showStartSound(const QString& path, IFileSystem& files, IBrowserWindow& window,
                    ISoundList& list, IUi& ui);

#pragma once

#include "platform/Ui.h"

#include <QString>

// The copies of settings the main window takes once at start.
struct MainSettings {
    QString dataFile;
    QString mainDirectoryName;
    QString editorPath;
    QString baseRecordingName;
    int recordTime = 30;
    int cursorTheme = 1;
    int flatScrollBar = 0;
};

// Reads them in order; each missing string shows the missing-value text once and stands as
// the value.
MainSettings readMainSettings(const QString& programDir, IUi& ui);

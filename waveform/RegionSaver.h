#pragma once

#include "waveform/StripState.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>

class ISoundCutter;
class IUi;

// Saves the strip's region as a new sound: the region is cut into a file of its own, which
// the New File Name dialog then puts into the current folder under the name the user types,
// with the same refusals as Insert.
class RegionSaver {
public:
    using AskName = std::function<void(const QString& source, const QString& initialName)>;

    RegionSaver(ISoundCutter& cutter, IUi& ui, AskName askName);

    void save(const QString& sound, const FrameRange& region);

private:
    ISoundCutter& m_cutter;
    IUi& m_ui;
    AskName m_askName;
    QTemporaryDir m_folder; // the last cut stays until the next: the dialog may still use it
};

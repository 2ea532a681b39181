#pragma once

#include "waveform/RegionDragFile.h"

#include <QObject>
#include <functional>

class IUi;
class WaveStrip;

// A drag that starts inside the strip's region hands other programs the region as a sound
// file of its own (a text/uri-list of one file). The receiver may read the file after the
// drag has ended on this side, so it is removed at the next drag or when the program ends.
class RegionDragOut : public QObject {
    Q_OBJECT
public:
    RegionDragOut(WaveStrip& strip, ISoundCutter& cutter, IUi& ui,
                  std::function<QString()> selectedPath, QObject* parent = nullptr);

private:
    void dragRegion();

    WaveStrip& m_strip;
    IUi& m_ui;
    std::function<QString()> m_selectedPath;
    RegionDragFile m_file;
};

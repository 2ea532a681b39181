#pragma once

#include "waveform/PeakLoader.h"

#include <QObject>

class ISoundList;
class IBrowserWindow;
class WaveStrip;

// Keeps the strip on the selected sound: its outline comes from the cache at once or from a
// worker later; selecting another sound drops the work for the one left behind.
class StripFeature : public QObject {
    Q_OBJECT
public:
    StripFeature(WaveStrip& strip, PeakLoader& loader, const ISoundList& list,
                 const IBrowserWindow& browser, QObject* parent = nullptr);

    // The selection moved (or the folder changed): show the sound now selected.
    void showSelected();
    // The file of the selected row, empty when no row is selected.
    QString selectedPath() const;

private:
    void onPeaksReady(const QString& path, std::shared_ptr<const SoundPeaks> peaks);
    void onPeaksFailed(const QString& path, const QString& why);

    WaveStrip& m_strip;
    PeakLoader& m_loader;
    const ISoundList& m_list;
    const IBrowserWindow& m_browser;
    QString m_shown;
};

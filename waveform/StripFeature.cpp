#include "waveform/StripFeature.h"

#include "core/BrowserView.h"
#include "waveform/WaveStrip.h"

StripFeature::StripFeature(WaveStrip& strip, PeakLoader& loader, const ISoundList& list,
                           const IBrowserWindow& browser, QObject* parent)
    : QObject(parent), m_strip(strip), m_loader(loader), m_list(list), m_browser(browser) {
    connect(&loader, &PeakLoader::peaksReady, this, &StripFeature::onPeaksReady);
    connect(&loader, &PeakLoader::peaksFailed, this, &StripFeature::onPeaksFailed);
}

QString StripFeature::selectedPath() const {
    const int row = m_list.selectedRow();
    if (row < 0)
        return {};
    return m_browser.currentFolder() + u'/' + m_list.row(row).file;
}

void StripFeature::showSelected() {
    const QString path = selectedPath();
    if (path == m_shown && m_strip.hasPeaks())
        return;
    m_shown = path;
    m_strip.clear();
    if (auto cached = m_loader.request(path))
        m_strip.setPeaks(std::move(cached));
}

void StripFeature::onPeaksReady(const QString& path, std::shared_ptr<const SoundPeaks> peaks) {
    if (path == m_shown)
        m_strip.setPeaks(std::move(peaks));
}

void StripFeature::onPeaksFailed(const QString& path, const QString& why) {
    if (path == m_shown)
        m_strip.setAccessibleDescription(why);
}

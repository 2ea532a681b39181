#include "waveform/RegionDragOut.h"

#include "platform/Ui.h"
#include "waveform/WaveStrip.h"

#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <memory>

RegionDragOut::RegionDragOut(WaveStrip& strip, ISoundCutter& cutter, IUi& ui,
                             std::function<QString()> selectedPath, QObject* parent)
    : QObject(parent), m_strip(strip), m_ui(ui), m_selectedPath(std::move(selectedPath)),
      m_file(cutter) {
    strip.allowRegionDrag(true);
    connect(&strip, &WaveStrip::regionDragStarted, this, &RegionDragOut::dragRegion);
}

void RegionDragOut::dragRegion() {
    const auto region = m_strip.state().region();
    const QString sound = m_selectedPath();
    if (!region || sound.isEmpty())
        return;
    auto cut = m_file.cut(sound, *region);
    if (!cut) {
        m_ui.messageBox(cut.error(), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
        return;
    }
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromLocalFile(*cut)});
    auto* drag = new QDrag(&m_strip); // Qt deletes it once the drag is over
    drag->setMimeData(data.release());
    // On X11 this returns as soon as the drop is sent, before the other program has read the
    // file: the file stays until the next drag or until the program ends.
    drag->exec(Qt::CopyAction);
}

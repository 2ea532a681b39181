#include "waveform/RegionSaver.h"

#include "platform/Ui.h"
#include "platform/audio/SoundSlice.h"

#include <QDir>
#include <QFileInfo>

RegionSaver::RegionSaver(ISoundCutter& cutter, IUi& ui, AskName askName)
    : m_cutter(cutter), m_ui(ui), m_askName(std::move(askName)) {}

void RegionSaver::save(const QString& sound, const FrameRange& region) {
    const QFileInfo source(sound);
    const QString initialName = source.completeBaseName() + QStringLiteral(" part");
    const QString cut = m_folder.filePath(initialName + u'.' + source.suffix());
    for (const QString& old : QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(m_folder.filePath(old));
    auto written = m_folder.isValid() ? m_cutter.writeSlice(sound, region.start, region.end, cut)
                                      : std::expected<void, QString>(std::unexpected(
                                            QStringLiteral("No temporary folder for the region.")));
    if (!written) {
        m_ui.messageBox(written.error(), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
        return;
    }
    m_askName(cut, initialName);
}

#include "waveform/RegionDragFile.h"

#include "platform/NativeName.h"
#include "platform/audio/SoundSlice.h"

#include <QFile>
#include <QFileInfo>

QString regionFileName(const QString& sound) {
    const QFileInfo source(nativename::shown(sound));
    const QString suffix = source.suffix().isEmpty() ? QString() : u'.' + source.suffix();
    return source.completeBaseName() + QStringLiteral(" (region)") + suffix;
}

RegionDragFile::RegionDragFile(ISoundCutter& cutter) : m_cutter(cutter) {}

RegionDragFile::~RegionDragFile() {
    release();
}

std::expected<QString, QString> RegionDragFile::cut(const QString& sound,
                                                    const FrameRange& region) {
    release();
    if (!m_folder.isValid())
        return std::unexpected(QStringLiteral("No temporary folder for the region."));
    const QString file = m_folder.filePath(regionFileName(sound));
    if (auto written = m_cutter.writeSlice(sound, region.start, region.end, file); !written)
        return std::unexpected(written.error());
    m_file = file;
    return file;
}

void RegionDragFile::release() {
    if (!m_file.isEmpty())
        QFile::remove(m_file);
    m_file.clear();
}

#include "properties/SoundProperties.h"

#include "browser/StatusText.h"
#include "core/BrowserView.h"
#include "core/CWavePlayer.h"
#include "core/WaveInfo.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDirectory.h"

QString sizeText(qint64 bytes) {
    return QStringLiteral("%1 bytes (%2 KB)")
        .arg(bytes)
        .arg(double(bytes) * 0.0009765625, 0, 'f', 2);
}

QString formatText(const WaveInfo& info) {
    return QStringLiteral("%1, %2 Hz, %3-bit, %4")
        .arg(info.channelsText)
        .arg(info.samplesPerSecond)
        .arg(info.bitsPerSample)
        .arg(info.formatText);
}

std::array<QString, 6> advancedTexts(const WaveInfo& info) {
    return {QString::number(info.formatTag),        QString::number(info.channels),
            QString::number(info.samplesPerSecond), QString::number(info.avgBytesPerSecond),
            QString::number(info.blockAlign),       QString::number(info.bitsPerSample)};
}

namespace {

// A sound of another type than WAV: its type by its extension, its format as libsndfile reads
// it (bits only where samples have a fixed size) and its play time as frames over rate.
void showOtherType(SoundProperties& shown, const SoundFacts& facts) {
    const QString extension = shown.fileName.mid(shown.fileName.lastIndexOf(QLatin1Char('.')));
    shown.type = QStringLiteral("%1 sound (%2)").arg(facts.formatText, extension.toLower());
    const WaveInfo info = shownInfo(facts);
    shown.format = facts.bitsPerSample > 0 ? formatText(info)
                                           : QStringLiteral("%1, %2 Hz, %3")
                                                 .arg(info.channelsText)
                                                 .arg(info.samplesPerSecond)
                                                 .arg(info.formatText);
    shown.playTime = formatSeconds(facts.playSeconds) + QStringLiteral(" sec");
    shown.advanced = advancedTexts(info);
}

// A file of another type that libsndfile cannot read (playing it says why).
void showUnreadable(SoundProperties& shown) {
    const QString extension = shown.fileName.mid(shown.fileName.lastIndexOf(QLatin1Char('.')));
    shown.type = QStringLiteral("Sound file (%1)").arg(extension.toLower());
    shown.format = unreadableInfo().formatText;
    shown.playTime = formatSeconds(0) + QStringLiteral(" sec");
    shown.advanced = advancedTexts(unreadableInfo());
}

} // namespace

SoundProperties readSoundProperties(IFileSystem& files, CWavePlayer& player, const QString& folder,
                                    const SoundRow& row) {
    SoundProperties shown;
    shown.fileName = soundFileText(row.name, row.file);
    shown.file = pathhelp::join(folder, row.file);
    shown.type = QStringLiteral("Multimedia wave (.wav)");
    shown.location = folder;
    const QString path = shown.path();
    const std::optional<qint64> length = files.fileSize(path);
    if (length) {
        shown.size = sizeText(*length);
        // There is no archive attribute here; read-only means the user may not write it.
        if (!files.isWritable(path))
            shown.attributes = QStringLiteral("Read-Only");
    }
    if (!player.ReadWaveInfo(path) && player.readOtherType()) {
        showOtherType(shown, player.soundFacts());
        return shown;
    }
    if (player.readUnreadableOther()) {
        showUnreadable(shown);
        return shown;
    }
    const WaveInfo& info = player.waveInfo();
    shown.format = formatText(info);
    shown.playTime =
        formatSeconds(playTimeSeconds(length.value_or(0), info)) + QStringLiteral(" sec");
    shown.advanced = advancedTexts(info);
    return shown;
}

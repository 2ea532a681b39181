#include "core/FolderScan.h"

#include "core/Settings.h"
#include "platform/DirectoryListing.h"
#include "platform/ProgramDirectory.h"

#include <QDir>

namespace {

const QByteArray kWavEnding = QByteArrayLiteral(".wav");

QList<QByteArray>& otherEndings() {
    static QList<QByteArray> endings;
    return endings;
}

} // namespace

QString displayName(const QString& fileName) {
    return pathhelp::fileTitle(fileName);
}

SoundFiles shownSoundFiles(const ISettings& settings) {
    return settings.read(keys::kAllSounds) == 1 ? SoundFiles::All : SoundFiles::Wav;
}

void useOtherSoundEndings(QList<QByteArray> endings) {
    for (QByteArray& ending : endings)
        ending = ending.toLower();
    endings.removeAll(kWavEnding);
    otherEndings() = std::move(endings);
}

QList<QByteArray> soundFileEndings(SoundFiles which) {
    QList<QByteArray> endings{kWavEnding};
    if (which == SoundFiles::All)
        endings += otherEndings();
    return endings;
}

bool isSoundFileName(const QString& fileName, SoundFiles which) {
    for (const QByteArray& ending : soundFileEndings(which))
        if (fileName.endsWith(QLatin1StringView(ending), Qt::CaseInsensitive))
            return true;
    return false;
}

QString soundFilePatterns(SoundFiles which) {
    QStringList patterns;
    for (const QByteArray& ending : soundFileEndings(which))
        patterns.append(QLatin1Char('*') + QLatin1StringView(ending));
    return patterns.join(QLatin1Char(' '));
}

ListedNames scanSoundFolder(const QString& folder, SoundFiles which) {
    if (!QDir::setCurrent(folder))
        return {};
    // Each ending is a last extension, so the names come as their display names.
    return listRegularFilesEndingWithAny(folder, soundFileEndings(which), Suffix::Drop)
        .value_or(ListedNames());
}

ListedNames scanWavFolder(const QString& folder) {
    return scanSoundFolder(folder, SoundFiles::Wav);
}

bool folderHasSoundFiles(const QString& folder, SoundFiles which) {
    const auto names = listRegularFilesEndingWithAny(folder, soundFileEndings(which));
    return names && !names->names.isEmpty();
}

bool folderHasWavFiles(const QString& folder) {
    return folderHasSoundFiles(folder, SoundFiles::Wav);
}

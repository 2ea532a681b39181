#include "lists/ListEntries.h"

#include "browser/CWavePlayer.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDirectory.h"

ListEntries gatherListEntries(const QString& folder, const QStringList& names, IFileSystem& files,
                              CWavePlayer& player, UnreadableFile onUnreadable) {
    ListEntries list;
    list.itemCount = int(names.size());
    list.entries.reserve(size_t(names.size()));
    WaveInfo lastRead; // zeros until a header of this list has been read
    for (int i = 0; i < int(names.size()); ++i) {
        const QString& name = names[i];
        const QString path = pathhelp::soundPath(folder, name);
        // One look-up for the usual case; a second only tells a vanished file (skipped) from
        // one that is there but cannot be read.
        const std::optional<qint64> size = files.fileSize(path);
        if (!size) {
            if (onUnreadable == UnreadableFile::Stop && files.exists(path)) {
                list.failedName = name;
                break;
            }
            continue;
        }
        player.Open(path);
        if (player.ReadWaveInfo(path))
            lastRead = player.waveInfo();
        list.entries.push_back(ListEntry{i + 1, name, *size, lastRead});
    }
    return list;
}

#include "lists/ListEntries.h"

#include "core/CWavePlayer.h"
#include "platform/FileLookBatch.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDirectory.h"

namespace {

// Where the file of a listed name is looked for first: its own file ("name.WAV", "name.flac"),
// or the usual "name.wav".
QString firstPath(const QString& folder, const QString& name, const QString& ownFile) {
    return pathhelp::join(folder, ownFile.isEmpty() ? name + QStringLiteral(".wav") : ownFile);
}

std::vector<QString> firstPaths(const QString& folder, const ListedNames& sounds) {
    std::vector<QString> paths;
    paths.reserve(size_t(sounds.names.size()));
    for (int i = 0; i < int(sounds.names.size()); ++i)
        paths.push_back(firstPath(folder, sounds.names[i], sounds.otherFile(i)));
    return paths;
}

// The file of a listed name and its size, starting from its first path; a name with a file of
// its own has no other.
std::pair<QString, std::optional<qint64>> findListedFile(const QString& folder, const QString& name,
                                                         const QString& ownFile,
                                                         const QString& first, IFileSystem& files) {
    // The first look-up also gives the size; only when "name.wav" is missing does the full
    // rule look for another spelling of the extension.
    QString path = first;
    std::optional<qint64> size = files.fileSize(path);
    if (!size && ownFile.isEmpty()) {
        path = pathhelp::soundPath(folder, name);
        size = files.fileSize(path);
    }
    return {std::move(path), size};
}

} // namespace

ListEntries gatherListEntries(const QString& folder, const ListedNames& sounds, IFileSystem& files,
                              CWavePlayer& player, UnreadableFile onUnreadable) {
    std::vector<ListEntry> entries;
    entries.reserve(size_t(sounds.names.size()));
    ListEntries list = gatherListEntries(folder, sounds, files, player, onUnreadable,
                                         [&](const ListEntry& entry) { entries.push_back(entry); });
    list.entries = std::move(entries);
    return list;
}

ListEntries gatherListEntries(const QString& folder, const ListedNames& sounds, IFileSystem& files,
                              CWavePlayer& player, UnreadableFile onUnreadable,
                              const std::function<void(const ListEntry&)>& take) {
    const QStringList& names = sounds.names;
    ListEntries list;
    list.itemCount = int(names.size());
    WaveInfo lastRead; // zeros until a header of this list has been read
    // Each file is looked at three times in a row (size, Open, header): one read serves all,
    // and the next files are read while this one is worked on.
    const std::vector<QString> paths = firstPaths(folder, sounds);
    const FileLookBatch batch(paths);
    for (int i = 0; i < int(names.size()); ++i) {
        const QString& name = names[i];
        const auto [path, size] =
            findListedFile(folder, name, sounds.otherFile(i), paths[size_t(i)], files);
        // A second look-up only tells a vanished file (skipped) from one that is there but
        // cannot be read.
        if (!size) {
            if (onUnreadable == UnreadableFile::Stop && files.exists(path)) {
                list.failedName = name;
                break;
            }
            continue;
        }
        player.Open(path);
        ListEntry entry{i + 1, name, path.mid(path.lastIndexOf(QLatin1Char('/')) + 1),
                        *size, {},   std::nullopt};
        if (player.ReadWaveInfo(path)) {
            lastRead = player.waveInfo();
            entry.info = lastRead;
        } else if (player.readOtherType()) {
            entry.info = shownInfo(player.soundFacts());
            entry.otherPlayTime = player.soundFacts().playSeconds;
        } else if (player.readUnreadableOther()) {
            entry.info = unreadableInfo();
            entry.otherPlayTime = 0;
        } else {
            entry.info = lastRead;
        }
        take(entry);
    }
    return list;
}

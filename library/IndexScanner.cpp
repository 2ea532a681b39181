#include "library/IndexScanner.h"

#include "library/SoundHeader.h"
#include "platform/NativeName.h"

#include <algorithm>
#include <utility>

namespace {

QString shownPath(const QByteArray& path) {
    return nativename::shown(nativename::decode(path));
}

// The folder as the user looks for it: the top folder's own name and the way down from it.
QString searchText(const QByteArray& folder, const QByteArray& top) {
    const qsizetype slash = top.lastIndexOf('/');
    return shownPath(folder.mid(slash + 1));
}

constexpr qint64 kUnfinished = -1;

bool isBelow(const QByteArray& path, const QByteArray& folder) {
    return path.size() > folder.size() && path.startsWith(folder) && path[folder.size()] == '/';
}

} // namespace

QByteArray indexPath(const QString& folder) {
    QByteArray path = nativename::encode(folder);
    while (path.endsWith('/'))
        path.chop(1);
    return path;
}

IndexScanner::IndexScanner(ISoundIndex& index, int depth) : m_index(index), m_depth(depth) {}

void IndexScanner::problem(const QString& text) {
    m_report.problems.append(text);
}

void IndexScanner::dropFolders(const std::vector<QByteArray>& folders) {
    m_writer->flush();
    m_writer->use([&](ISoundIndex& index) {
        if (!index.dropFolders(folders))
            problem(index.lastError());
    });
}

void IndexScanner::markOffline(const QByteArray& top, bool offline) {
    m_writer->flush();
    m_writer->use([&](ISoundIndex& index) {
        if (!index.markOffline(top, offline))
            problem(index.lastError());
    });
}

ScanReport IndexScanner::scan(const std::vector<QByteArray>& tops, Covers covers) {
    m_writer.emplace(m_index);
    const ScanReport report = scanWithWriter(tops, covers);
    m_readAhead.reset();
    m_writer.reset();
    return report;
}

ScanReport IndexScanner::scanWithWriter(const std::vector<QByteArray>& tops, Covers covers) {
    m_report = {};
    m_visited.clear();
    m_seen.clear();
    m_known.clear();
    m_offlineTops.clear();
    m_writer->use([&](ISoundIndex& index) {
        for (const KnownFolder& folder : index.foldersUnder({}))
            m_known[folder.path] = {folder.modified, folder.offline};
    });
    m_firstFill = m_known.empty();
    if (m_firstFill)
        m_writer->use([](ISoundIndex& index) { index.setFirstFill(true); });
    for (const QByteArray& top : tops) {
        if (m_cancelled)
            break;
        scanTop(top);
    }
    m_report.cancelled = m_cancelled;
    if (m_cancelled)
        return finished();
    // What the scan did not reach is forgotten: folders under no top folder any more, or
    // deeper than the depth now asked for.
    std::vector<QByteArray> unreached;
    const auto underATop = [&](const QByteArray& path) {
        return std::any_of(tops.begin(), tops.end(), [&](const QByteArray& top) {
            return path == top || isBelow(path, top);
        });
    };
    for (const auto& [path, known] : m_known) {
        const bool keep = m_seen.contains(path) ||
                          (covers == Covers::TopsOnly && !underATop(path)) ||
                          std::any_of(m_offlineTops.begin(), m_offlineTops.end(),
                                      [&](const QByteArray& top) { return isBelow(path, top); });
        if (!keep)
            unreached.push_back(path);
    }
    if (!unreached.empty())
        dropFolders(unreached);
    return finished();
}

// What the scan did, once every write is done.
ScanReport IndexScanner::finished() {
    m_writer->flush();
    if (std::exchange(m_firstFill, false))
        m_writer->use([](ISoundIndex& index) { index.setFirstFill(false); });
    m_report.problems += m_writer->takeProblems();
    return m_report;
}

QByteArray IndexScanner::collectionTopOf(const QByteArray& folder) const {
    for (const QByteArray& top : m_collection)
        if (folder == top || isBelow(folder, top))
            return top;
    return folder;
}

void IndexScanner::scanTop(const QByteArray& top) {
    foldertree::FolderState state;
    const foldertree::StatOutcome outcome = foldertree::statFolder(top, state);
    if (outcome == foldertree::StatOutcome::Folder) {
        const QByteArray root = collectionTopOf(top);
        const int depth = int(top.count('/') - root.count('/'));
        if (depth > m_depth)
            return; // deeper than the collection is indexed
        if (m_known.contains(top) && m_known[top].offline)
            markOffline(top, false);
        visit(top, root, depth);
        return;
    }
    m_report.offline.append(shownPath(top));
    m_offlineTops.push_back(top);
    markOffline(top, true);
    m_seen.insert(top);
}

std::vector<QByteArray> IndexScanner::knownChildren(const QByteArray& folder) const {
    std::vector<QByteArray> children;
    const QByteArray start = folder + '/';
    for (auto it = m_known.lower_bound(start); it != m_known.end() && it->first.startsWith(start);
         ++it)
        if (it->first.indexOf('/', start.size()) < 0)
            children.push_back(it->first);
    return children;
}

void IndexScanner::forgetBelow(const QByteArray& folder) {
    std::vector<QByteArray> gone;
    for (const auto& [path, known] : m_known)
        if (path == folder || isBelow(path, folder))
            gone.push_back(path);
    if (!gone.empty())
        dropFolders(gone);
    for (const QByteArray& path : gone)
        m_known.erase(path);
}

void IndexScanner::askAhead(const std::vector<QByteArray>& subfolders) {
    std::vector<QByteArray> fresh;
    for (const QByteArray& subfolder : subfolders)
        if (!m_known.contains(subfolder) && !m_seen.contains(subfolder))
            fresh.push_back(subfolder);
    if (fresh.empty())
        return;
    if (!m_readAhead) // a rescan that finds nothing new starts no threads
        m_readAhead.emplace();
    m_readAhead->ask(fresh);
}

void IndexScanner::visit(const QByteArray& folder, const QByteArray& top, int depth) {
    if (m_cancelled || m_seen.contains(folder))
        return;
    std::optional<NewFolderRead> ahead = m_readAhead ? m_readAhead->take(folder) : std::nullopt;
    foldertree::FolderState state;
    const foldertree::StatOutcome outcome =
        ahead ? ahead->outcome : foldertree::statFolder(folder, state);
    if (ahead)
        state = ahead->state;
    if (outcome != foldertree::StatOutcome::Folder) {
        forgetBelow(folder); // removed while the scan went on
        return;
    }
    if (!m_visited.insert({state.device, state.inode}).second)
        return; // a link back into a folder already scanned
    m_seen.insert(folder);
    const auto known = m_known.find(folder);
    if (known != m_known.end() && known->second.modified == state.modified) {
        ++m_report.foldersUnchanged;
        if (depth < m_depth)
            for (const QByteArray& subfolder : knownChildren(folder))
                visit(subfolder, top, depth + 1);
        return;
    }
    // Until every subfolder is done the folder keeps a time no folder has, so that a scan cut
    // short (the program killed) lists it again next time instead of trusting its children.
    const std::optional<std::vector<QByteArray>> subfolders =
        reread(folder, top, kUnfinished, std::move(ahead));
    if (!subfolders)
        return;
    if (depth < m_depth) {
        askAhead(*subfolders);
        for (const QByteArray& subfolder : *subfolders)
            visit(subfolder, top, depth + 1);
    }
    if (m_cancelled)
        return;
    m_writer->add({folder, state.modified, searchText(folder, top), {}, {}});
    m_known[folder] = {state.modified, false};
}

std::optional<std::vector<QByteArray>> IndexScanner::takeNewFolder(NewFolderRead read,
                                                                   FolderUpdate& update) {
    if (!read.listed)
        return std::nullopt;
    m_report.soundsRead += int(read.sounds.size());
    update.put = std::move(read.sounds);
    return std::move(read.subfolders);
}

std::optional<std::vector<QByteArray>> IndexScanner::compareWithIndex(const QByteArray& folder,
                                                                      FolderUpdate& update) {
    const std::optional<foldertree::FolderContents> contents = foldertree::readFolder(folder);
    if (!contents)
        return std::nullopt;
    std::vector<IndexedSound> indexed;
    m_writer->use([&](ISoundIndex& index) { indexed = index.soundsIn(folder); });
    std::map<QByteArray, const IndexedSound*> before;
    for (const IndexedSound& sound : indexed)
        before[sound.name] = &sound;
    for (const foldertree::SoundFile& file : contents->sounds) {
        const auto old = before.find(file.name);
        const bool same = old != before.end() && old->second->size == file.size &&
                          old->second->modified == file.modified;
        if (old != before.end())
            before.erase(old);
        if (same)
            continue;
        update.put.push_back(readSoundHeader(folder, file));
        ++m_report.soundsRead;
    }
    for (const auto& [name, sound] : before)
        update.gone.push_back(name);
    m_report.soundsGone += int(update.gone.size());
    return contents->folders;
}

std::optional<std::vector<QByteArray>> IndexScanner::reread(const QByteArray& folder,
                                                            const QByteArray& top, qint64 modified,
                                                            std::optional<NewFolderRead> ahead) {
    FolderUpdate update{folder, modified, searchText(folder, top), {}, {}};
    std::optional<std::vector<QByteArray>> names;
    if (m_known.contains(folder)) {
        names = compareWithIndex(folder, update);
    } else if (ahead) {
        names = takeNewFolder(std::move(*ahead), update);
    } else {
        NewFolderRead read;
        listNewFolder(folder, read);
        names = takeNewFolder(std::move(read), update);
    }
    if (!names) {
        problem(QStringLiteral("%1 cannot be read").arg(shownPath(folder)));
        for (const auto& [path, known] : m_known)
            if (isBelow(path, folder))
                m_seen.insert(path); // kept as they were: nothing says they are gone
        return std::nullopt;
    }
    m_writer->add(std::move(update));
    ++m_report.foldersRead;
    std::vector<QByteArray> subfolders;
    std::set<QByteArray> present;
    for (const QByteArray& name : *names) {
        subfolders.push_back(folder + '/' + name);
        present.insert(subfolders.back());
    }
    for (const QByteArray& child : knownChildren(folder))
        if (!present.contains(child))
            forgetBelow(child);
    m_known[folder] = {modified, false};
    if (m_progress)
        m_progress(m_report);
    return subfolders;
}

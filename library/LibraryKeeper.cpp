#include "library/LibraryKeeper.h"

#include "library/IndexPlaces.h"
#include "platform/FolderTree.h"
#include "platform/NativeName.h"
#include "platform/WriterLock.h"

#include <algorithm>
#include <cmath>

#include <QMetaObject>

LibraryKeeper::LibraryKeeper(const QString& indexFile, std::function<Covered()> covered,
                             MeasureLoudness measure, QObject* parent)
    : QObject(parent), m_indexFile(indexFile), m_covered(std::move(covered)),
      m_measure(std::move(measure)),
      m_lock(std::make_unique<WriterLock>(indexplaces::lockFile(indexFile))) {
    qRegisterMetaType<ScanReport>("ScanReport");
    m_reader = SqliteSoundIndex::open(indexFile, &m_problem);
}

LibraryKeeper::~LibraryKeeper() {
    m_stopping = true;
    if (IndexScanner* scanner = m_scanner.load())
        scanner->cancel();
    if (m_worker.joinable())
        m_worker.join();
}

bool LibraryKeeper::writes() const {
    return m_lock->held() && m_reader;
}

bool LibraryKeeper::takeWriterLock() {
    if (!m_lock->held())
        m_lock = std::make_unique<WriterLock>(indexplaces::lockFile(m_indexFile));
    return writes();
}

void LibraryKeeper::rescan() {
    m_wantAll = true;
    startWanted();
}

void LibraryKeeper::rescanFolders(const std::vector<QByteArray>& folders) {
    m_wantedFolders.insert(folders.begin(), folders.end());
    startWanted();
}

namespace {

bool isAtOrBelow(const QByteArray& path, const QByteArray& top) {
    return path == top ||
           (path.startsWith(top) && path.size() > top.size() && path[top.size()] == '/');
}

// The folders of the collection among wanted; nothing when one of them is gone (the whole
// collection is then scanned, which forgets it).
std::optional<std::vector<QByteArray>> foldersToScan(const std::set<QByteArray>& wanted,
                                                     const std::vector<QByteArray>& tops) {
    std::vector<QByteArray> folders;
    for (const QByteArray& folder : wanted) {
        if (std::none_of(tops.begin(), tops.end(),
                         [&](const QByteArray& top) { return isAtOrBelow(folder, top); }))
            continue;
        foldertree::FolderState state;
        if (foldertree::statFolder(folder, state) != foldertree::StatOutcome::Folder)
            return std::nullopt;
        folders.push_back(folder);
    }
    return folders;
}

} // namespace

void LibraryKeeper::startWanted() {
    if (!takeWriterLock())
        return;
    if (m_scanning) {
        m_rescanWanted = true; // measuring gives way; finish() starts what is wanted
        return;
    }
    if (!m_wantAll && m_wantedFolders.empty())
        return;
    if (m_worker.joinable())
        m_worker.join();
    m_scanning = true;
    m_rescanWanted = false;
    m_worker = std::thread([this, file = m_indexFile, covered = m_covered(),
                            all = std::exchange(m_wantAll, false),
                            wanted = std::exchange(m_wantedFolders, {})] {
        ScanReport report;
        if (const auto index = SqliteSoundIndex::open(file, nullptr)) {
            IndexScanner scanner(*index, covered.depth);
            scanner.setCollection(covered.tops);
            m_scanner = &scanner;
            if (m_stopping)
                scanner.cancel();
            const std::optional<std::vector<QByteArray>> folders =
                all ? std::nullopt : foldersToScan(wanted, covered.tops);
            if (!folders)
                report = scanner.scan(covered.tops);
            else if (!folders->empty())
                report = scanner.scan(*folders, IndexScanner::Covers::TopsOnly);
            m_scanner = nullptr;
            QMetaObject::invokeMethod(
                this, [this, report] { emit rescanned(report); }, Qt::QueuedConnection);
            if (!report.cancelled)
                measureAll(*index);
        }
        QMetaObject::invokeMethod(
            this, [this, report] { finish(report); }, Qt::QueuedConnection);
    });
}

// Sounds are measured a few at a time, so that stopping waits for one sound at most.
void LibraryKeeper::measureAll(ISoundIndex& index) {
    if (!m_measure)
        return;
    while (!m_stopping && !m_rescanWanted) {
        const std::vector<QByteArray> paths = index.withoutLoudness(16);
        if (paths.empty())
            return;
        for (const QByteArray& path : paths) {
            if (m_stopping || m_rescanWanted)
                return;
            const std::optional<Loudness> loudness = m_measure(nativename::decode(path));
            // A sound that cannot be measured is marked so, and not tried at every rescan.
            if (!index.setLoudness(path, loudness ? loudness->integrated : NAN,
                                   loudness ? loudness->truePeak : NAN))
                return;
        }
    }
}

void LibraryKeeper::finish(const ScanReport& report) {
    m_scanning = false;
    if (!report.cancelled && !m_stopping)
        startWanted();
}

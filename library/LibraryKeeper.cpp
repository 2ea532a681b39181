#include "library/LibraryKeeper.h"

#include "library/IndexPlaces.h"
#include "platform/NativeName.h"
#include "platform/WriterLock.h"

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

void LibraryKeeper::rescan() {
    if (!writes())
        return;
    if (m_scanning) {
        m_again = true;
        m_rescanWanted = true; // measuring gives way
        return;
    }
    if (m_worker.joinable())
        m_worker.join();
    m_scanning = true;
    m_rescanWanted = false;
    m_worker = std::thread([this, file = m_indexFile, covered = m_covered()] {
        ScanReport report;
        if (const auto index = SqliteSoundIndex::open(file, nullptr)) {
            IndexScanner scanner(*index, covered.depth);
            m_scanner = &scanner;
            if (m_stopping)
                scanner.cancel();
            report = scanner.scan(covered.tops);
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
    if (m_again && !report.cancelled) {
        m_again = false;
        rescan();
    }
}

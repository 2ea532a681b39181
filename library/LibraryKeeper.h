#pragma once

#include "library/IndexScanner.h"
#include "library/SqliteSoundIndex.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <thread>

class WriterLock;

// Keeps the index current while the window runs: rescans go on a thread of their own (with a
// connection of their own), so the window never waits for the disk; the window reads through
// index(). Only the program holding the writer lock rescans; another one only reads, and tries
// for the lock again at each rescan (the one that held it may have ended).
class LibraryKeeper : public QObject {
    Q_OBJECT
public:
    // What is to be indexed, asked at each rescan (the favourites may have changed).
    struct Covered {
        std::vector<QByteArray> tops;
        int depth = IndexScanner::kDefaultDepth;
    };

    // Integrated loudness and true peak of a sound file; nothing when it cannot be measured.
    struct Loudness {
        double integrated = 0;
        double truePeak = 0;
    };
    using MeasureLoudness = std::function<std::optional<Loudness>(const QString& path)>;

    // After each rescan the sounds not yet measured are measured with measure (when given).
    LibraryKeeper(const QString& indexFile, std::function<Covered()> covered,
                  MeasureLoudness measure = {}, QObject* parent = nullptr);
    ~LibraryKeeper() override;

    // Nothing when the index cannot be opened at all.
    ISoundIndex* index() const { return m_reader.get(); }
    // Why the index was rebuilt or cannot be used; empty when all is well.
    QString problem() const { return m_problem; }
    bool writes() const;
    // What the next rescan covers.
    Covered covered() const { return m_covered(); }

    // Takes effect from the next rescan on.
    void measureLoudnessWith(MeasureLoudness measure) { m_measure = std::move(measure); }

    // Starts a rescan, or asks for one more when one runs.
    void rescan();
    // Brings these folders and what is below them up to date, in the background, as rescan()
    // does the whole collection: a hint (a change the folder watch saw, a request of another
    // program). Folders outside the collection are left alone; one that is gone has the whole
    // collection rescanned.
    void rescanFolders(const std::vector<QByteArray>& folders);
    bool scanning() const { return m_scanning; }

signals:
    void rescanned(const ScanReport& report);

private:
    void startWanted();
    bool takeWriterLock();
    void finish(const ScanReport& report);
    void measureAll(ISoundIndex& index);

    QString m_indexFile;
    std::function<Covered()> m_covered;
    MeasureLoudness m_measure;
    std::unique_ptr<WriterLock> m_lock;
    std::unique_ptr<SqliteSoundIndex> m_reader;
    QString m_problem;
    bool m_scanning = false;
    bool m_wantAll = false;
    std::set<QByteArray> m_wantedFolders;
    std::atomic<IndexScanner*> m_scanner = nullptr;
    std::atomic<bool> m_stopping = false;
    std::atomic<bool> m_rescanWanted = false;
    std::thread m_worker;
};

#pragma once

#include "platform/PeakCache.h"
#include "platform/audio/PeakReader.h"

#include <QObject>
#include <QThreadPool>
#include <memory>
#include <stop_token>

// Finds the peaks of the sound being shown: from the cache at once, else read on a worker
// thread and stored for the next time. Asking for another sound stops the work for the one
// before, and only the sound asked for last is ever answered.
class PeakLoader : public QObject {
    Q_OBJECT
public:
    PeakLoader(IPeakReader& reader, PeakCache& cache, QObject* parent = nullptr);
    ~PeakLoader() override;

    // The cached peaks of path, when they are good; otherwise null, and peaksReady or
    // peaksFailed follows. An empty path just stops what was under way.
    std::shared_ptr<const SoundPeaks> request(const QString& path);
    void cancel();
    // Waits until the worker has nothing left (for tests and the end of the program).
    void waitForIdle();

signals:
    void peaksReady(const QString& path, std::shared_ptr<const SoundPeaks> peaks);
    void peaksFailed(const QString& path, const QString& why);

private:
    void startReading(const QString& path, const FileStamp& stamp);
    void deliver(quint64 request, const QString& path,
                 std::expected<SoundPeaks, PeakReadError> result);

    IPeakReader& m_reader;
    PeakCache& m_cache;
    QThreadPool m_worker;
    std::stop_source m_stop;
    quint64 m_request = 0;
};

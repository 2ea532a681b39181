#include "waveform/PeakLoader.h"

PeakLoader::PeakLoader(IPeakReader& reader, PeakCache& cache, QObject* parent)
    : QObject(parent), m_reader(reader), m_cache(cache) {
    m_worker.setMaxThreadCount(1);
}

PeakLoader::~PeakLoader() {
    cancel();
    m_worker.waitForDone();
}

void PeakLoader::cancel() {
    m_stop.request_stop();
    m_stop = std::stop_source();
    ++m_request;
}

void PeakLoader::waitForIdle() {
    m_worker.waitForDone();
}

std::shared_ptr<const SoundPeaks> PeakLoader::request(const QString& path) {
    cancel();
    if (path.isEmpty())
        return nullptr;
    const std::optional<FileStamp> stamp = stampOf(path);
    if (stamp) {
        if (std::optional<SoundPeaks> cached = m_cache.load(path, *stamp))
            return std::make_shared<const SoundPeaks>(std::move(*cached));
    }
    startReading(path, stamp.value_or(FileStamp{-1, -1}));
    return nullptr;
}

void PeakLoader::startReading(const QString& path, const FileStamp& stamp) {
    const quint64 request = m_request;
    m_worker.start([this, request, path, stamp, stop = m_stop.get_token()] {
        if (stop.stop_requested())
            return;
        auto result = m_reader.read(path, stop);
        if (!result && result.error().cancelled)
            return;
        // A file that changed while it was read is shown as read, but not remembered.
        if (result && stamp.size >= 0 && stampOf(path) == stamp)
            m_cache.store(path, stamp, *result);
        QMetaObject::invokeMethod(
            this,
            [this, request, path, result = std::move(result)]() mutable {
                deliver(request, path, std::move(result));
            },
            Qt::QueuedConnection);
    });
}

void PeakLoader::deliver(quint64 request, const QString& path,
                         std::expected<SoundPeaks, PeakReadError> result) {
    if (request != m_request)
        return;
    if (result)
        emit peaksReady(path, std::make_shared<const SoundPeaks>(std::move(*result)));
    else
        emit peaksFailed(path, result.error().text);
}

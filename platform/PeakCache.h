#pragma once

#include "platform/audio/SoundPeaks.h"

#include <QString>
#include <mutex>
#include <optional>

// What tells one version of a file from another: its size and modification time.
struct FileStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> stampOf(const QString& path);

// Peaks kept on disk, one file per sound, named after the sound's path and holding its stamp.
// A cache file is believed only when everything in it checks out: a stale, cut or garbled one
// is ignored and replaced by the next store. Past the size limit the files used longest ago
// are dropped. Safe to use from several threads.
class PeakCache {
public:
    static constexpr qint64 kDefaultLimitBytes = 256LL << 20;
    static constexpr quint32 kVersion = 1;

    explicit PeakCache(QString folder, qint64 limitBytes = kDefaultLimitBytes);

    // $XDG_CACHE_HOME/tembrel/peaks, or ~/.cache/tembrel/peaks.
    static QString defaultFolder();

    std::optional<SoundPeaks> load(const QString& soundPath, const FileStamp& stamp);
    void store(const QString& soundPath, const FileStamp& stamp, const SoundPeaks& peaks);

    QString fileFor(const QString& soundPath) const;
    const QString& folder() const { return m_folder; }

private:
    void dropOldest();

    QString m_folder;
    qint64 m_limitBytes;
    std::mutex m_pruning;
};

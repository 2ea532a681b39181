#include "platform/PeakCache.h"

#include "platform/AtomicFile.h"
#include "platform/RawFile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr char kMagic[8] = {'T', 'B', 'P', 'E', 'A', 'K', 'S', '\0'};
constexpr qint64 kLargestCacheFile = 1LL << 30;

// FNV-1a over 64-bit words: enough to catch a cut or garbled file, and quick on megabytes.
quint64 checksumOf(const std::vector<int16_t>& values) {
    const auto* bytes = reinterpret_cast<const char*>(values.data());
    const size_t size = values.size() * sizeof(int16_t);
    quint64 hash = 1469598103934665603ULL;
    size_t at = 0;
    for (; at + sizeof(quint64) <= size; at += sizeof(quint64)) {
        quint64 word;
        std::memcpy(&word, bytes + at, sizeof word);
        hash = (hash ^ word) * 1099511628211ULL;
    }
    for (; at < size; ++at)
        hash = (hash ^ quint8(bytes[at])) * 1099511628211ULL;
    return hash ^ size;
}

struct Header {
    quint32 version = 0;
    quint32 lanes = 0;
    qint32 sampleRate = 0;
    qint64 frames = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    QByteArray path;
    quint64 valueCount = 0;
    quint64 checksum = 0;
};

QDataStream& operator<<(QDataStream& out, const Header& header) {
    return out << header.version << header.lanes << header.sampleRate << header.frames
               << header.size << header.modifiedNs << header.path << header.valueCount
               << header.checksum;
}

QDataStream& operator>>(QDataStream& in, Header& header) {
    return in >> header.version >> header.lanes >> header.sampleRate >> header.frames >>
           header.size >> header.modifiedNs >> header.path >> header.valueCount >> header.checksum;
}

qint64 blocksFor(qint64 frames) {
    return (frames + SoundPeaks::kFramesPerPeak - 1) / SoundPeaks::kFramesPerPeak;
}

bool believable(const Header& header, const QByteArray& path, const FileStamp& stamp) {
    return header.version == PeakCache::kVersion && (header.lanes == 1 || header.lanes == 2) &&
           header.sampleRate > 0 && header.frames >= 0 && header.path == path &&
           header.size == stamp.size && header.modifiedNs == stamp.modifiedNs &&
           header.valueCount == quint64(blocksFor(header.frames) * header.lanes * 2);
}

} // namespace

std::optional<FileStamp> stampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{info.st_size, qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

PeakCache::PeakCache(QString folder, qint64 limitBytes)
    : m_folder(std::move(folder)), m_limitBytes(limitBytes) {}

QString PeakCache::defaultFolder() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/tembrel/peaks");
}

QString PeakCache::fileFor(const QString& soundPath) const {
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(soundPath), QCryptographicHash::Sha1).toHex();
    return m_folder + u'/' + QString::fromLatin1(key) + QStringLiteral(".peaks");
}

std::optional<SoundPeaks> PeakCache::load(const QString& soundPath, const FileStamp& stamp) {
    const QString cacheFile = fileFor(soundPath);
    auto opened = RegularFile::open(cacheFile);
    if (!opened)
        return std::nullopt;
    const std::optional<QByteArray> bytes = opened->readAll(kLargestCacheFile);
    if (!bytes || bytes->size() < qsizetype(sizeof kMagic) ||
        !bytes->startsWith(QByteArray::fromRawData(kMagic, sizeof kMagic)))
        return std::nullopt;
    QDataStream in(*bytes);
    in.skipRawData(sizeof kMagic);
    Header header;
    in >> header;
    if (in.status() != QDataStream::Ok || !believable(header, QFile::encodeName(soundPath), stamp))
        return std::nullopt;
    const qint64 valueBytes = qint64(header.valueCount) * qint64(sizeof(int16_t));
    const qint64 at = in.device()->pos();
    if (bytes->size() - at != valueBytes)
        return std::nullopt;
    SoundPeaks peaks;
    peaks.lanes = int(header.lanes);
    peaks.sampleRate = header.sampleRate;
    peaks.frames = header.frames;
    peaks.values.resize(header.valueCount);
    std::memcpy(peaks.values.data(), bytes->constData() + at, size_t(valueBytes));
    if (checksumOf(peaks.values) != header.checksum)
        return std::nullopt;
    ::utimensat(AT_FDCWD, QFile::encodeName(cacheFile).constData(), nullptr, 0); // just used
    return peaks;
}

void PeakCache::store(const QString& soundPath, const FileStamp& stamp, const SoundPeaks& peaks) {
    if (!QDir().mkpath(m_folder))
        return;
    Header header;
    header.version = kVersion;
    header.lanes = quint32(peaks.lanes);
    header.sampleRate = peaks.sampleRate;
    header.frames = peaks.frames;
    header.size = stamp.size;
    header.modifiedNs = stamp.modifiedNs;
    header.path = QFile::encodeName(soundPath);
    header.valueCount = peaks.values.size();
    header.checksum = checksumOf(peaks.values);
    QByteArray bytes(kMagic, sizeof kMagic);
    {
        QDataStream out(&bytes, QIODevice::Append);
        out << header;
    }
    bytes.append(reinterpret_cast<const char*>(peaks.values.data()), qsizetype(peaks.bytes()));
    if (writeFileAtomically(fileFor(soundPath), bytes))
        dropOldest();
}

void PeakCache::dropOldest() {
    std::lock_guard lock(m_pruning);
    QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*.peaks")}, QDir::Files);
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() < b.lastModified();
    });
    qint64 total = 0;
    for (const QFileInfo& file : files)
        total += file.size();
    for (const QFileInfo& file : files) {
        if (total <= m_limitBytes)
            break;
        if (QFile::remove(file.filePath()))
            total -= file.size();
    }
}

#include "core/WaveInfo.h"

#include "platform/RawFile.h"

#include <cstring>

namespace {

uint32_t le16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8;
}

uint32_t le32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

// Bytes already in memory, read the way FileHead reads a file: exactly size bytes or nothing.
class MemoryBytes {
public:
    explicit MemoryBytes(const QByteArray& bytes) : m_bytes(bytes) {}
    QByteArray at(qint64 pos, qint64 size) const {
        if (pos < 0 || pos + size > m_bytes.size())
            return {};
        return QByteArray::fromRawData(m_bytes.constData() + pos, size);
    }

private:
    const QByteArray& m_bytes;
};

// Walks the subchunks of the RIFF chunk for "fmt " and returns its first 16 bytes.
template <typename Bytes> QByteArray readFmt(const Bytes& bytes) {
    const QByteArray header = bytes.at(0, 12);
    if (header.size() != 12 || std::memcmp(header.constData(), "RIFF", 4) != 0 ||
        std::memcmp(header.constData() + 8, "WAVE", 4) != 0)
        return {};
    const qint64 riffEnd = 8 + qint64(le32(header.constData() + 4));
    qint64 pos = 12;
    while (pos + 8 <= riffEnd) {
        const QByteArray chunk = bytes.at(pos, 8);
        if (chunk.size() != 8)
            return {};
        const qint64 size = le32(chunk.constData() + 4);
        if (std::memcmp(chunk.constData(), "fmt ", 4) == 0)
            return size >= 16 ? bytes.at(pos + 8, 16) : QByteArray(); // never past its end
        pos += 8 + size + (size & 1);
    }
    return {};
}

bool fillFrom(const QByteArray& fmt, WaveInfo& info) {
    if (fmt.size() != 16)
        return false;
    const char* p = fmt.constData();
    info.formatTag = le16(p);
    info.channels = le16(p + 2);
    info.samplesPerSecond = le32(p + 4);
    info.avgBytesPerSecond = le32(p + 8);
    info.blockAlign = le16(p + 12);
    info.bitsPerSample = le16(p + 14);
    info.channelsText = info.channels == 1 ? QStringLiteral("Mono") : QStringLiteral("Stereo");
    info.formatText = QStringLiteral("PCM");
    return true;
}

} // namespace

bool ReadWaveInfo(const QString& path, WaveInfo& info) {
    const FileHead file(path);
    if (!file.isOpen())
        return false;
    return fillFrom(readFmt(file), info);
}

bool ReadWaveInfoFromBytes(const QByteArray& bytes, WaveInfo& info) {
    return fillFrom(readFmt(MemoryBytes(bytes)), info);
}

double playTimeSeconds(qint64 fileLength, const WaveInfo& info) {
    if (info.avgBytesPerSecond == 0)
        return 0.0;
    return double(fileLength) / double(info.avgBytesPerSecond);
}

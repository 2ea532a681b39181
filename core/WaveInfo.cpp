#include "core/WaveInfo.h"

#include "platform/RawFile.h"
#include "platform/RiffChunks.h"

namespace {

uint32_t le16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8;
}

uint32_t le32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

// Up to size bytes at pos of bytes already in memory.
RiffChunks::Reader memoryReader(const QByteArray& bytes) {
    return [&bytes](qint64 pos, qint64 size) {
        return pos < 0 || pos >= bytes.size() ? QByteArray() : bytes.mid(pos, size);
    };
}

// The first 16 bytes of the first "fmt " chunk within the size the RIFF header declares.
QByteArray readFmt(RiffChunks::Reader read) {
    RiffChunks chunks(std::move(read), RiffChunks::Bounds::DeclaredSize);
    while (const auto chunk = chunks.next()) {
        if (chunk->id == "fmt ")
            return chunk->size >= 16 ? chunks.bytes(chunk->bodyPos, 16) : QByteArray();
    }
    return {};
}

} // namespace

bool ReadWaveInfoFromFmt(const QByteArray& fmt, WaveInfo& info) {
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

bool ReadWaveInfo(const QString& path, WaveInfo& info) {
    const FileHead file(path);
    if (!file.isOpen())
        return false;
    return ReadWaveInfoFromFmt(
        readFmt([&file](qint64 pos, qint64 size) { return file.upTo(pos, size); }), info);
}

bool ReadWaveInfoFromBytes(const QByteArray& bytes, WaveInfo& info) {
    return ReadWaveInfoFromFmt(readFmt(memoryReader(bytes)), info);
}

double playTimeSeconds(qint64 fileLength, const WaveInfo& info) {
    if (info.avgBytesPerSecond == 0)
        return 0.0;
    return double(fileLength) / double(info.avgBytesPerSecond);
}

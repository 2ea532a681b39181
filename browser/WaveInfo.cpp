#include "browser/WaveInfo.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {

uint32_t le16(const unsigned char* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t le32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool readExactly(QIODevice& in, unsigned char* buffer, qint64 size) {
    return in.read(reinterpret_cast<char*>(buffer), size) == size;
}

// Walks the subchunks of the RIFF chunk for "fmt " and reads its first 16 bytes.
bool readFmt(QIODevice& in, unsigned char fmt[16]) {
    unsigned char header[12];
    if (!readExactly(in, header, 12) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0)
        return false;
    const qint64 riffEnd = 8 + qint64(le32(header + 4));
    qint64 pos = 12;
    while (pos + 8 <= riffEnd) {
        unsigned char chunk[8];
        if (!in.seek(pos) || !readExactly(in, chunk, 8))
            return false;
        const qint64 size = le32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0)
            return readExactly(in, fmt, 16);
        pos += 8 + size + (size & 1);
    }
    return false;
}

bool readWaveInfo(QIODevice& in, WaveInfo& info) {
    unsigned char fmt[16];
    if (!readFmt(in, fmt))
        return false;
    info.formatTag = le16(fmt);
    info.channels = le16(fmt + 2);
    info.samplesPerSecond = le32(fmt + 4);
    info.avgBytesPerSecond = le32(fmt + 8);
    info.blockAlign = le16(fmt + 12);
    info.bitsPerSample = le16(fmt + 14);
    info.channelsText = info.channels == 1 ? QStringLiteral("Mono") : QStringLiteral("Stereo");
    info.formatText = QStringLiteral("PCM");
    return true;
}

} // namespace

bool ReadWaveInfo(const QString& path, WaveInfo& info) {
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return readWaveInfo(file, info);
}

bool ReadWaveInfoFromBytes(const QByteArray& bytes, WaveInfo& info) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readWaveInfo(buffer, info);
}

double playTimeSeconds(qint64 fileLength, const WaveInfo& info) {
    if (info.avgBytesPerSecond == 0)
        return 0.0;
    return double(fileLength) / double(info.avgBytesPerSecond);
}

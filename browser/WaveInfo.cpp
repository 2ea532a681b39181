#include "browser/WaveInfo.h"

#include <QBuffer>
#include <QFile>
#include <cstring>

namespace {

uint32_t le16(const unsigned char* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t le32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Reads at file positions, serving them from one first read of the head of the file when it
// can: a usual header costs a single read, however its chunks are laid out.
class HeadReader {
public:
    explicit HeadReader(QIODevice& in) : m_in(in), m_head(in.read(kHeadSize)) {}

    bool readAt(qint64 pos, unsigned char* out, qint64 size) {
        if (pos + size <= m_head.size()) {
            std::memcpy(out, m_head.constData() + pos, size_t(size));
            return true;
        }
        if (m_head.size() < kHeadSize)
            return false; // the whole file is in the head already
        return m_in.seek(pos) && m_in.read(reinterpret_cast<char*>(out), size) == size;
    }

private:
    static constexpr qint64 kHeadSize = 4096;
    QIODevice& m_in;
    QByteArray m_head;
};

// Walks the subchunks of the RIFF chunk for "fmt " and reads its first 16 bytes.
bool readFmt(QIODevice& in, unsigned char fmt[16]) {
    HeadReader reader(in);
    unsigned char header[12];
    if (!reader.readAt(0, header, 12) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0)
        return false;
    const qint64 riffEnd = 8 + qint64(le32(header + 4));
    qint64 pos = 12;
    while (pos + 8 <= riffEnd) {
        unsigned char chunk[8];
        if (!reader.readAt(pos, chunk, 8))
            return false;
        const qint64 size = le32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0)
            return reader.readAt(pos + 8, fmt, 16);
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
    QFile file(path); // a directory opens but gives no bytes, so it fails below
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
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

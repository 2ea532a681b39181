#include "platform/audio/WaveShape.h"

#include <QFile>
#include <QtEndian>

namespace {

// Reads at file positions, serving them from one first read of the file's head when it can:
// the usual header costs a single read.
class HeadBytes {
public:
    explicit HeadBytes(QFile& file) : m_file(file), m_head(file.read(kHeadSize)) {}

    QByteArray at(qint64 pos, qint64 size) {
        if (pos + size <= m_head.size())
            return m_head.mid(pos, size);
        if (m_head.size() < kHeadSize || !m_file.seek(pos))
            return {};
        return m_file.read(size);
    }

private:
    static constexpr qint64 kHeadSize = 4096;
    QFile& m_file;
    QByteArray m_head;
};

} // namespace

WaveShape inspectWaveShape(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    HeadBytes bytes(file);
    const QByteArray riff = bytes.at(0, 12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return {};
    WaveShape shape{WaveShape::Damaged};
    bool haveFormat = false;
    for (qint64 pos = 12;;) {
        const QByteArray header = bytes.at(pos, 8);
        if (header.size() != 8)
            break;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("data"))
            return haveFormat ? WaveShape{WaveShape::Complete, shape.formatTag} : shape;
        if (header.startsWith("fmt ") && size >= 16) {
            const QByteArray format = bytes.at(pos + 8, 2);
            haveFormat = format.size() == 2;
            shape.formatTag = haveFormat ? qFromLittleEndian<quint16>(format.constData()) : 0;
        }
        pos += 8 + qint64(size) + (size % 2);
    }
    return shape;
}

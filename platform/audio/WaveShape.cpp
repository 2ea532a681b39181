#include "platform/audio/WaveShape.h"

#include <QFile>
#include <QtEndian>

namespace {

struct ChunkHeader {
    QByteArray id;
    quint32 size = 0;
};

bool readChunkHeader(QFile& file, ChunkHeader& header) {
    const QByteArray bytes = file.read(8);
    if (bytes.size() != 8)
        return false;
    header.id = bytes.left(4);
    header.size = qFromLittleEndian<quint32>(bytes.constData() + 4);
    return true;
}

} // namespace

WaveShape inspectWaveShape(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return {};
    WaveShape shape{WaveShape::Damaged};
    bool haveFormat = false;
    for (ChunkHeader chunk; readChunkHeader(file, chunk);) {
        if (chunk.id == "data")
            return haveFormat ? WaveShape{WaveShape::Complete, shape.formatTag} : shape;
        if (chunk.id == "fmt " && chunk.size >= 16) {
            const QByteArray format = file.peek(2);
            haveFormat = format.size() == 2;
            shape.formatTag = haveFormat ? qFromLittleEndian<quint16>(format.constData()) : 0;
        }
        if (!file.seek(file.pos() + chunk.size + (chunk.size % 2)))
            break;
    }
    return shape;
}

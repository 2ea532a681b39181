#include "platform/audio/WaveShape.h"

#include "platform/RawFile.h"

#include <QtEndian>

WaveShape inspectWaveShape(const QString& path) {
    const FileHead bytes(path);
    if (!bytes.isOpen())
        return {};
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

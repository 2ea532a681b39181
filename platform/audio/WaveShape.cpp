#include "platform/audio/WaveShape.h"

#include "platform/RawFile.h"

#include <QtEndian>

namespace {

// The numbers at the start of a "fmt " chunk: tag, channels, rate, (byte rate, block), bits.
void takeNumbers(const QByteArray& format, WaveShape& shape) {
    const char* p = format.constData();
    shape.formatTag = qFromLittleEndian<quint16>(p);
    shape.channels = qFromLittleEndian<quint16>(p + 2);
    shape.sampleRate = qFromLittleEndian<quint32>(p + 4);
    shape.bitsPerSample = qFromLittleEndian<quint16>(p + 14);
}

} // namespace

ImpossibleNumber impossibleNumberOf(const WaveShape& shape) {
    if (shape.channels == 0 || shape.channels > 1024)
        return ImpossibleNumber::Channels;
    if (shape.sampleRate < 1000 || shape.sampleRate > 768000)
        return ImpossibleNumber::Rate;
    if (shape.formatTag == 1 && (shape.bitsPerSample == 0 || shape.bitsPerSample > 32))
        return ImpossibleNumber::Bits;
    return ImpossibleNumber::None;
}

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
        if (header.startsWith("data")) {
            shape.kind = haveFormat ? WaveShape::Complete : WaveShape::Damaged;
            return shape;
        }
        if (header.startsWith("fmt ") && size >= 16) {
            const QByteArray format = bytes.at(pos + 8, 16);
            haveFormat = format.size() == 16;
            if (haveFormat)
                takeNumbers(format, shape);
        }
        pos += 8 + qint64(size) + (size % 2);
    }
    shape.kind = WaveShape::Damaged;
    return shape;
}

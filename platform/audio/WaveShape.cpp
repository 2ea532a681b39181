#include "platform/audio/WaveShape.h"

#include "platform/RawFile.h"
#include "platform/RiffChunks.h"

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
    RiffChunks chunks([&bytes](qint64 pos, qint64 size) { return bytes.upTo(pos, size); },
                      RiffChunks::Bounds::WholeFile);
    if (chunks.end() == RiffChunks::End::NotRiffWave)
        return {};
    WaveShape shape{WaveShape::Damaged};
    bool haveFormat = false;
    while (const auto chunk = chunks.next()) {
        if (chunk->id == "data") {
            shape.kind = haveFormat ? WaveShape::Complete : WaveShape::Damaged;
            return shape;
        }
        if (chunk->id == "fmt " && chunk->size >= 16) {
            const QByteArray format = chunks.bytes(chunk->bodyPos, 16);
            haveFormat = format.size() == 16;
            if (haveFormat)
                takeNumbers(format, shape);
        }
    }
    shape.kind = chunks.end() == RiffChunks::End::TooManyChunks ? WaveShape::TooManyChunks
                                                                : WaveShape::Damaged;
    return shape;
}

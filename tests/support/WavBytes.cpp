#include "tests/support/WavBytes.h"

void appendLe16(QByteArray& bytes, uint16_t value) {
    bytes.append(char(value & 0xff));
    bytes.append(char(value >> 8));
}

void appendLe32(QByteArray& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xff));
}

QByteArray makeChunk(const char id[4], const QByteArray& data) {
    QByteArray chunk(id, 4);
    appendLe32(chunk, uint32_t(data.size()));
    chunk += data;
    if (data.size() % 2)
        chunk.append('\0');
    return chunk;
}

QByteArray makeWav(const WavSpec& spec) {
    const uint16_t blockAlign = uint16_t(spec.channels * ((spec.bitsPerSample + 7) / 8));
    const uint32_t avg =
        spec.avgBytesPerSecond ? spec.avgBytesPerSecond : spec.sampleRate * blockAlign;
    QByteArray fmt;
    appendLe16(fmt, spec.formatTag);
    appendLe16(fmt, spec.channels);
    appendLe32(fmt, spec.sampleRate);
    appendLe32(fmt, avg);
    appendLe16(fmt, blockAlign);
    appendLe16(fmt, spec.bitsPerSample);
    fmt.append(QByteArray(int(spec.fmtSize) - 16, '\0'));
    QByteArray body = QByteArray("WAVE") + spec.chunksBeforeFmt + makeChunk("fmt ", fmt) +
                      makeChunk("data", QByteArray(int(spec.dataBytes), '\x80'));
    QByteArray file("RIFF");
    appendLe32(file, uint32_t(body.size()));
    return file + body;
}

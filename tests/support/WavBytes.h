#pragma once

#include <QByteArray>
#include <cstdint>

// Hand-made WAV files for tests.
struct WavSpec {
    uint16_t formatTag = 1;
    uint16_t channels = 1;
    uint32_t sampleRate = 22050;
    uint16_t bitsPerSample = 8;
    uint32_t dataBytes = 22050;
    uint32_t avgBytesPerSecond = 0; // 0: computed from rate, channels and bits
    uint32_t fmtSize = 16;          // 18 or 40 add zero extra bytes
    QByteArray chunksBeforeFmt;     // raw chunks placed between "WAVE" and "fmt "
};

QByteArray makeWav(const WavSpec& spec);
// One chunk: id, little-endian size, data and the pad byte after odd-sized data.
QByteArray makeChunk(const char id[4], const QByteArray& data);
void appendLe16(QByteArray& bytes, uint16_t value);
void appendLe32(QByteArray& bytes, uint32_t value);

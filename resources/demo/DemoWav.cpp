#include "DemoWav.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace demo {

namespace {

using Bytes = std::vector<uint8_t>;

void appendLe(Bytes& out, uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void appendId(Bytes& out, const char* id) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(id[i]));
}

// A chunk is its id, its little-endian size and its data, plus a pad byte after odd data.
void appendChunk(Bytes& out, const char* id, const Bytes& data) {
    appendId(out, id);
    appendLe(out, static_cast<uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2)
        out.push_back(0);
}

Bytes zeroTerminated(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

Bytes infoList(const std::string& title) {
    Bytes list;
    appendId(list, "INFO");
    appendChunk(list, "INAM", zeroTerminated(title));
    appendChunk(list, "ISFT", zeroTerminated("Tembrel demo generator"));
    appendChunk(list, "ICOP", zeroTerminated("Public domain"));
    return list;
}

Bytes fmtChunk(const Sound& sound, const WavLayout& layout) {
    const uint32_t channels = static_cast<uint32_t>(sound.channels.size());
    const uint32_t blockAlign = channels * layout.bits / 8;
    Bytes fmt;
    appendLe(fmt, layout.encoding == WavLayout::Encoding::Float ? 3 : 1, 2);
    appendLe(fmt, channels, 2);
    appendLe(fmt, static_cast<uint32_t>(sound.rate), 4);
    appendLe(fmt, static_cast<uint32_t>(sound.rate) * blockAlign, 4);
    appendLe(fmt, blockAlign, 2);
    appendLe(fmt, static_cast<uint32_t>(layout.bits), 2);
    if (layout.extendedFmt)
        appendLe(fmt, 0, 2);
    return fmt;
}

void appendSample(Bytes& out, float sample, const WavLayout& layout) {
    const double clamped = std::clamp<double>(sample, -1.0, 1.0);
    if (layout.encoding == WavLayout::Encoding::Float) {
        appendLe(out, std::bit_cast<uint32_t>(static_cast<float>(clamped)), 4);
        return;
    }
    const double fullScale = std::ldexp(1.0, layout.bits - 1) - 1.0;
    const long value = std::lround(clamped * fullScale);
    if (layout.bits == 8)
        out.push_back(static_cast<uint8_t>(value + 128)); // 8-bit PCM is unsigned
    else
        appendLe(out, static_cast<uint32_t>(value), layout.bits / 8);
}

Bytes sampleData(const Sound& sound, const WavLayout& layout) {
    Bytes data;
    const size_t frames = sound.channels.empty() ? 0 : sound.channels.front().size();
    data.reserve(frames * sound.channels.size() * layout.bits / 8);
    for (size_t frame = 0; frame < frames; ++frame)
        for (const Channel& channel : sound.channels)
            appendSample(data, channel[frame], layout);
    return data;
}

} // namespace

std::vector<uint8_t> encodeWav(const Sound& sound, const WavLayout& layout) {
    Bytes body;
    appendId(body, "WAVE");
    if (layout.infoListFirst)
        appendChunk(body, "LIST", infoList(layout.title));
    if (layout.oddChunkFirst)
        appendChunk(body, "tmbl", Bytes{'T', 'e', 'm', 'b', 'r', 'e', 'l'});
    appendChunk(body, "fmt ", fmtChunk(sound, layout));
    if (layout.encoding == WavLayout::Encoding::Float) {
        Bytes fact;
        appendLe(fact, static_cast<uint32_t>(sound.channels.front().size()), 4);
        appendChunk(body, "fact", fact);
    }
    appendChunk(body, "data", sampleData(sound, layout));

    Bytes file;
    appendId(file, "RIFF");
    appendLe(file, static_cast<uint32_t>(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

} // namespace demo

// What even loudness costs a play of a sound not measured yet: the estimate from its first 10
// seconds (the play waits for it), against decoding those 10 seconds alone; and the whole
// measure of a 10-minute sound (on a worker) against decoding it alone. 44.1 kHz stereo 16-bit.
// A figure is the median of 5 rounds, warm cache.
#include "bench/BenchTiming.h"
#include "platform/audio/LoudnessMeter.h"
#include "platform/audio/SoundDecoder.h"

#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <sndfile.h>

namespace {

constexpr int kRate = 44100;

void writeMusicLike(const QString& path, double seconds) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!file)
        qFatal("cannot write %s", qPrintable(path));
    std::vector<short> block(2 * kRate);
    for (int second = 0; second < int(seconds); ++second) {
        for (int i = 0; i < kRate; ++i) {
            const double t = double(second * kRate + i) / kRate;
            const auto value = short(8000 * std::sin(2 * M_PI * 440 * t) *
                                     (0.5 + 0.5 * std::sin(2 * M_PI * 0.3 * t)));
            block[size_t(2 * i)] = value;
            block[size_t(2 * i + 1)] = short(value / 2);
        }
        sf_writef_short(file, block.data(), kRate);
    }
    sf_close(file);
}

void decodeAlone(const QString& path, double seconds) {
    auto decoder = SoundDecoder::open(path);
    if (!decoder)
        qFatal("cannot decode");
    std::vector<float> block(16384 * 2);
    int64_t left = seconds > 0 ? int64_t(seconds * kRate) : INT64_MAX;
    while (left > 0) {
        const int64_t frames = decoder->read(block.data(), std::min<int64_t>(16384, left));
        if (frames <= 0)
            break;
        left -= frames;
    }
}

void report(const char* what, const QString& path, double limit, const char* target = "") {
    std::vector<double> measured, decoded;
    for (int round = 0; round < 5; ++round) {
        decoded.push_back(timeMs([&] { decodeAlone(path, limit); }));
        measured.push_back(timeMs([&] {
            if (!measureLoudness(path, limit))
                qFatal("cannot measure");
        }));
    }
    std::printf("  %-34s measure %8.1f ms  decode alone %7.1f ms  ratio %5.2fx%s\n", what,
                median(measured), median(decoded), median(measured) / median(decoded), target);
}

} // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ten-minutes.wav"));
    writeMusicLike(path, 600);
    report("estimate, first 10 s (before a play)", path, 10);
    report("whole 10 minutes (on a worker)", path, 0, " (target <= 1.3)");
    return 0;
}

// The waveform strip of a 1-hour 44.1 kHz stereo sound, drawn from its cache file: the time of
// loading the cache file, of the first paint (which spreads the peaks over the columns) and the
// median of later paints; and the memory the shown sound takes: its peaks, not its samples.
// Usage: bench_strip_paint [MINUTES]   (default 60)
#include "bench/BenchTiming.h"
#include "platform/PeakCache.h"
#include "waveform/WaveStrip.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kRate = 44100;

SoundPeaks oneSound(int minutes) {
    SoundPeaks peaks;
    peaks.lanes = 2;
    peaks.sampleRate = kRate;
    peaks.frames = qint64(minutes) * 60 * kRate;
    const qint64 blocks =
        (peaks.frames + SoundPeaks::kFramesPerPeak - 1) / SoundPeaks::kFramesPerPeak;
    peaks.values.resize(size_t(blocks * 4));
    for (qint64 block = 0; block < blocks; ++block) {
        const auto height = int16_t(16000 + 15000 * std::sin(double(block) / 5000));
        for (int lane = 0; lane < 2; ++lane) {
            peaks.values[size_t(block * 4 + lane * 2)] = int16_t(-height);
            peaks.values[size_t(block * 4 + lane * 2 + 1)] = height;
        }
    }
    return peaks;
}

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    QTemporaryDir dir;
    const QString sound = dir.filePath(QStringLiteral("long.wav"));
    QFile(sound).open(QIODevice::WriteOnly);
    const FileStamp stamp = *stampOf(sound);
    PeakCache cache(dir.filePath(QStringLiteral("peaks")));
    cache.store(sound, stamp, oneSound(minutes));

    std::vector<double> loads;
    for (int i = 0; i < 7; ++i)
        loads.push_back(timeMs([&] { cache.load(sound, stamp); }));
    const long before = residentKb();
    auto peaks = std::make_shared<const SoundPeaks>(*cache.load(sound, stamp));
    WaveStrip strip;
    strip.resize(344, 38);
    QImage image(strip.size(), QImage::Format_ARGB32_Premultiplied);
    strip.setPeaks(peaks);
    const double first = timeMs([&] { strip.render(&image); });
    std::vector<double> paints;
    for (int i = 0; i < 200; ++i)
        paints.push_back(timeMs([&] { strip.render(&image); }));
    std::vector<double> resized;
    for (int i = 0; i < 20; ++i) {
        strip.resize(344 - i % 2, 38);
        resized.push_back(timeMs([&] { strip.render(&image); }));
    }
    const long after = residentKb();
    const double paint = median(paints);
    std::printf("Strip of a %d-minute 44.1 kHz stereo sound from its cache file\n", minutes);
    std::printf("  cache file load (median of 7)      %8.2f ms\n", median(loads));
    std::printf("  first paint (columns made)         %8.2f ms\n", first);
    std::printf("  paint after a resize (median)      %8.2f ms\n", median(resized));
    std::printf("  figure  paint, median of 200               %6.3f ms  target < 5 ms: %s\n", paint,
                paint < 5 ? "met" : "MISSED");
    std::printf("  peak data %.2f MB (the samples would be %.1f MB); resident growth %.2f MB\n",
                double(peaks->bytes()) / 1e6, double(peaks->frames) * 4 / 1e6,
                double(after - before) / 1024);
}

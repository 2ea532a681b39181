// How fast the outline of a sound is read, against reading the same bytes with read() (warm
// page cache) and, for FLAC, against decoding it with sf_readf_short alone. Each round times
// the work and its baseline back to back; a figure is the median of the rounds' ratios.
// Usage: bench_peaks_speed [MINUTES]   (default 10)
#include "bench/BenchTiming.h"
#include "platform/audio/PeakReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sndfile.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kRounds = 7;

// Music-like: a few tones with some noise, stereo, 16 bits.
void writeSound(const QString& path, int format, int minutes) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        qFatal("cannot write %s", qPrintable(path));
    std::mt19937 random(1);
    std::uniform_int_distribution<int> noise(-800, 800);
    std::vector<int16_t> block(2 * kRate);
    for (int second = 0; second < minutes * 60; ++second) {
        for (int i = 0; i < kRate; ++i) {
            const double t = double(second * kRate + i) / kRate;
            const double tone =
                9000 * std::sin(2 * M_PI * 220 * t) + 5000 * std::sin(2 * M_PI * 331 * t);
            block[2 * i] = int16_t(tone + noise(random));
            block[2 * i + 1] = int16_t(tone * 0.5 + noise(random));
        }
        sf_writef_short(file, block.data(), kRate);
    }
    sf_close(file);
}

void readBytes(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    std::vector<char> buffer(1 << 18);
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
    ::close(fd);
}

void decodeShorts(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    std::vector<int16_t> buffer(size_t(65536 * info.channels));
    while (sf_readf_short(file, buffer.data(), 65536) > 0) {
    }
    sf_close(file);
}

void readPeaks(const QString& path) {
    SndfilePeakReader reader;
    if (!reader.read(path, std::stop_token()))
        qFatal("no peaks for %s", qPrintable(path));
}

void compare(const char* what, const QString& path, void (*baseline)(const QString&),
             double target) {
    readPeaks(path); // warm the page cache
    std::vector<double> ratios;
    std::vector<double> peakTimes;
    std::vector<double> baseTimes;
    for (int round = 0; round < kRounds; ++round) {
        const double base = timeMs([&] { baseline(path); });
        const double peaks = timeMs([&] { readPeaks(path); });
        baseTimes.push_back(base);
        peakTimes.push_back(peaks);
        ratios.push_back(peaks / base);
    }
    const double ratio = median(ratios);
    std::printf("  %s: peaks %.1f ms, baseline %.1f ms\n", what, median(peakTimes),
                median(baseTimes));
    std::printf("  figure  %-44s %6.2fx  target %.1fx: %s\n", what, ratio, target,
                ratio <= target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("sound.wav"));
    const QString flac = dir.filePath(QStringLiteral("sound.flac"));
    writeSound(wav, SF_FORMAT_WAV | SF_FORMAT_PCM_16, minutes);
    writeSound(flac, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, minutes);
    std::printf("Peaks of a %d-minute 44.1 kHz stereo 16-bit sound (median of %d rounds)\n",
                minutes, kRounds);
    compare("WAV peaks / read() of its bytes", wav, readBytes, 1.5);
    compare("FLAC peaks / sf_readf_short decoding", flac, decodeShorts, 1.3);
}

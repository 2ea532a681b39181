// How fast the WAV header reader is, against libsndfile's sf_open + sf_close and against a bare
// open + read of 44 bytes + close of the same files, in the same run. Each round times the three
// back to back; a figure is the median of the rounds' ratios.
// Usage: bench_header_reads [FILES]   (default 20000)
#include "bench/BenchTiming.h"
#include "core/WaveInfo.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sndfile.h>
#include <unistd.h>
#include <vector>

namespace {

QByteArray pcmWav(int index) {
    QByteArray bytes("RIFF\x2c\x10\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0"
                     "\x02\0\x10\0data\x00\x10\0\0",
                     44);
    bytes[22] = char(1 + index % 2); // mono and stereo files
    return bytes + QByteArray(4096, '\0');
}

std::vector<QByteArray> makeFiles(const QString& folder, int count) {
    std::vector<QByteArray> paths;
    for (int i = 0; i < count; ++i) {
        QFile file(folder + QStringLiteral("/Sound %1.wav").arg(i, 6, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(pcmWav(i)) <= 0)
            qFatal("cannot write %s", qPrintable(file.fileName()));
        paths.push_back(QFile::encodeName(file.fileName()));
    }
    return paths;
}

void printFigure(const char* what, double ratio, const char* target, bool met) {
    std::printf("  figure  %-44s %6.2fx  target %s: %s\n", what, ratio, target,
                met ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    QTemporaryDir dir;
    const std::vector<QByteArray> paths = makeFiles(dir.path(), count);
    const auto reader = [&] {
        WaveInfo info;
        for (const QByteArray& path : paths)
            if (!ReadWaveInfo(QFile::decodeName(path), info))
                qFatal("header not read");
    };
    const auto sndfile = [&] {
        for (const QByteArray& path : paths) {
            SF_INFO info{};
            SNDFILE* file = sf_open(path.constData(), SFM_READ, &info);
            if (file == nullptr)
                qFatal("sf_open failed");
            sf_close(file);
        }
    };
    const auto bare = [&] {
        char header[44];
        for (const QByteArray& path : paths) {
            const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0 || ::read(fd, header, sizeof header) != ssize_t(sizeof header))
                qFatal("read failed");
            ::close(fd);
        }
    };
    bare(); // warms the page cache
    std::vector<double> readerMs, overSndfile, overBare;
    for (int round = 0; round < 7; ++round) {
        const double ours = timeMs(reader), theirs = timeMs(sndfile), floor = timeMs(bare);
        readerMs.push_back(ours);
        overSndfile.push_back(theirs / ours);
        overBare.push_back(ours / floor);
    }
    std::printf("Header reads over %d files, median of 7 rounds: ReadWaveInfo %.2f us/file\n",
                count, median(readerMs) * 1000 / count);
    const double faster = median(overSndfile), overFloor = median(overBare);
    printFigure("header reader's speed over sf_open+sf_close", faster, ">= 3.0x (was 3.2x)",
                faster >= 3.0);
    printFigure("header reader against open+read 44+close", overFloor, "<= 1.3x (was 1.2x)",
                overFloor <= 1.3);
    return 0;
}

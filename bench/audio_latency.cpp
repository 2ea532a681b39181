// Measures the audio engine against the test sound server (scripts/pulse.sh start):
//  - time from play() to the first sound on the sink's monitor, over 20 plays;
//  - peak memory while a one-hour file plays for 10 s, against an idle engine.
// Prints figures only.
#include "AudioSignals.h"
#include "MonitorTap.h"
#include "PrivateSink.h"
#include "platform/audio/AudioSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
constexpr int kPlays = 20;

void appendLe(QByteArray& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// A 44.1 kHz 16-bit stereo WAV of the given length whose first minute is a tone and whose rest
// is a hole in the file, so it takes a moment and no disk space to make.
bool writeSparseWav(const QString& path, int seconds) {
    const uint32_t dataBytes = static_cast<uint32_t>(seconds) * 44100 * 4;
    QByteArray header("RIFF");
    appendLe(header, 36 + dataBytes, 4);
    header.append("WAVEfmt ");
    for (auto [value, size] :
         {std::pair{16u, 4}, {1u, 2}, {2u, 2}, {44100u, 4}, {176400u, 4}, {4u, 2}, {16u, 2}})
        appendLe(header, value, size);
    header.append("data");
    appendLe(header, dataBytes, 4);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size())
        return false;
    QByteArray minute;
    for (int f = 0; f < 44100 * 60; ++f) {
        const auto sample = static_cast<int16_t>(8000 * ((f / 22) % 2 ? 1 : -1));
        appendLe(minute, static_cast<uint16_t>(sample), 2);
        appendLe(minute, static_cast<uint16_t>(sample), 2);
    }
    return file.write(minute) == minute.size() && file.resize(header.size() + qint64(dataBytes));
}

long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    return -1;
}

// Peak resident memory over the next interval, in kB; the kernel's peak is reset first.
long peakRssDuring(std::chrono::milliseconds interval) {
    std::ofstream("/proc/self/clear_refs") << "5";
    std::this_thread::sleep_for(interval);
    return statusKb("VmHWM:");
}

AudioResult openAndPlay(IPlaybackDevice& device, const QString& path) {
    if (auto opened = device.open(path); !opened)
        return opened;
    return device.play();
}

std::vector<double> playLatencies(AudioSystem& audio, MonitorTap& tap, const QString& tone) {
    IPlaybackDevice& device = audio.playbackDevice();
    std::vector<double> marks;
    for (int i = 0; i <= kPlays; ++i) {
        std::this_thread::sleep_for(400ms);
        marks.push_back(tap.mark());
        if (auto played = openAndPlay(device, tone); !played) {
            std::printf("play failed: %s\n", qPrintable(played.error()));
            return {};
        }
        std::this_thread::sleep_for(300ms);
        device.stop();
    }
    std::this_thread::sleep_for(400ms);
    const auto heard = tap.finish();
    if (!heard) {
        std::printf("recording failed: %s\n", qPrintable(heard.error()));
        return {};
    }
    std::vector<double> latencies;
    for (double mark : marks) {
        const auto first = firstLoudSample(*heard, 0.02, int64_t(mark * heard->sampleRate));
        latencies.push_back(first ? 1000.0 * (double(*first) / heard->sampleRate - mark) : -1);
    }
    return latencies;
}

void reportLatency(std::vector<double> latencies) {
    std::printf("first play (opens the output): %.1f ms\n", latencies.front());
    latencies.erase(latencies.begin());
    std::sort(latencies.begin(), latencies.end());
    std::printf("play -> first sound at the monitor over %d plays: median %.1f ms, min %.1f ms, "
                "max %.1f ms\n",
                kPlays, (latencies[kPlays / 2 - 1] + latencies[kPlays / 2]) / 2, latencies.front(),
                latencies.back());
}

void reportMemory(AudioSystem& audio, const QString& longFile) {
    const long idle = peakRssDuring(10s);
    IPlaybackDevice& device = audio.playbackDevice();
    if (auto played = openAndPlay(device, longFile); !played) {
        std::printf("long play failed: %s\n", qPrintable(played.error()));
        return;
    }
    const long playing = peakRssDuring(10s);
    device.close();
    std::printf("peak RSS, idle engine for 10 s: %ld kB; playing a 1-hour 44.1 kHz stereo file for "
                "10 s: %ld kB; difference %+ld kB\n",
                idle, playing, playing - idle);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(QStringLiteral("/tmp/tembrel-bench-XXXXXX"));
    const QString tone = dir.filePath("tone.wav");
    const QString longFile = dir.filePath("hour.wav");
    if (!writeTone(tone, {44100, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.5, 1000, 0.5}) ||
        !writeSparseWav(longFile, 3600)) {
        std::printf("cannot write the test sounds in %s\n", qPrintable(dir.path()));
        return 1;
    }
    const PrivateSink sink;
    AudioSystem audio;
    MonitorTap tap(audio);
    if (auto started = tap.start(); !started) {
        std::printf("no sound server: %s\n", qPrintable(started.error()));
        return 1;
    }
    const auto latencies = playLatencies(audio, tap, tone);
    if (latencies.size() != kPlays + 1)
        return 1;
    reportLatency(latencies);
    reportMemory(audio, longFile);
    return 0;
}

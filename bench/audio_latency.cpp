// Measures the audio engine against the test sound server (scripts/pulse.sh start):
//  - time from play() to the first sound on the sink's monitor, over 20 plays on an idle
//    output and 20 plays while a loop sounds;
//  - peak memory and CPU time while a one-hour file plays for 10 s, against an idle engine.
// The times are read off the monitor's recording. The null sink hands each block it mixes to
// its monitor at once, so they tell when the server mixed the first sample, which can be a
// little before a speaker would sound it; the duration of the open() + play() call is printed
// beside them.
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
#include <sys/resource.h>
#include <thread>

namespace {

using namespace std::chrono_literals;
constexpr int kPlays = 20;
constexpr double kToneHz = 1000;

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

AudioResult openAndPlay(IPlaybackDevice& device, const QString& path) {
    if (auto opened = device.open(path); !opened)
        return opened;
    return device.play(0);
}

struct Marks {
    std::vector<double> idle;     // plays on an idle output
    std::vector<double> overLoop; // plays while a loop sounds
    std::vector<double> callMs;   // how long open() and play() took, idle output
};

bool playAndStop(IPlaybackDevice& device, const QString& tone, std::vector<double>* callMs) {
    const auto before = std::chrono::steady_clock::now();
    if (auto played = openAndPlay(device, tone); !played) {
        std::printf("play failed: %s\n", qPrintable(played.error()));
        return false;
    }
    if (callMs != nullptr)
        callMs->push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before)
                .count());
    std::this_thread::sleep_for(300ms);
    device.stop();
    std::this_thread::sleep_for(400ms);
    return true;
}

bool playAll(AudioSystem& audio, MonitorTap& tap, const QString& tone, const QString& loop,
             Marks& marks) {
    std::this_thread::sleep_for(400ms);
    for (int i = 0; i <= kPlays; ++i) {
        marks.idle.push_back(tap.mark());
        if (!playAndStop(audio.playbackDevice(), tone, &marks.callMs))
            return false;
    }
    if (!audio.soundPlayer().playLoop(loop))
        return false;
    std::this_thread::sleep_for(400ms);
    for (int i = 0; i < kPlays; ++i) {
        marks.overLoop.push_back(tap.mark());
        if (!playAndStop(audio.playbackDevice(), tone, nullptr))
            return false;
    }
    audio.soundPlayer().silence();
    return true;
}

// Milliseconds from each mark to the first 4 ms in which the tone's frequency is loud.
std::vector<double> onsets(const MonoSound& heard, const std::vector<double>& marks,
                           bool overLoop) {
    std::vector<double> result;
    for (double mark : marks) {
        double onset = -1;
        for (double t = mark; t < mark + 0.3 && onset < 0; t += 0.0005) {
            const auto window = heard.between(t, t + 0.004);
            const bool loud = overLoop ? toneAmplitude(window, heard.sampleRate, kToneHz) > 0.15
                                       : rms(window) > 0.01;
            if (loud)
                onset = 1000.0 * (t - mark);
        }
        result.push_back(onset);
    }
    return result;
}

void reportLatency(const char* what, std::vector<double> latencies) {
    std::sort(latencies.begin(), latencies.end());
    const std::size_t n = latencies.size();
    std::printf("%s, %zu plays: median %.1f ms, min %.1f ms, max %.1f ms\n", what, n,
                (latencies[(n - 1) / 2] + latencies[n / 2]) / 2, latencies.front(),
                latencies.back());
}

bool measureLatency(AudioSystem& audio, MonitorTap& tap, const QString& tone, const QString& loop) {
    Marks marks;
    const bool played = playAll(audio, tap, tone, loop, marks);
    const auto heard = tap.finish();
    if (!played || !heard) {
        std::printf("measuring latency failed%s\n", heard ? "" : qPrintable(": " + heard.error()));
        return false;
    }
    auto idle = onsets(*heard, marks.idle, false);
    std::printf("first play (opens the output): %.1f ms\n", idle.front());
    idle.erase(idle.begin());
    reportLatency("play -> first sound at the monitor, idle output", idle);
    reportLatency("play -> first sound at the monitor, while a loop sounds",
                  onsets(*heard, marks.overLoop, true));
    std::printf("first open() + play() call: %.1f ms\n", marks.callMs.front());
    marks.callMs.erase(marks.callMs.begin());
    reportLatency("open() + play() call, idle output", marks.callMs);
    return true;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Usage {
    long peakKb = 0;
    double cpuSeconds = 0;
};

// Peak resident memory (the kernel's peak is reset first) and CPU time over an interval.
Usage usageDuring(std::chrono::milliseconds interval) {
    std::ofstream("/proc/self/clear_refs") << "5";
    const double cpuBefore = cpuSeconds();
    std::this_thread::sleep_for(interval);
    return {statusKb("VmHWM:"), cpuSeconds() - cpuBefore};
}

void reportMemory(AudioSystem& audio, const QString& longFile) {
    const Usage idle = usageDuring(10s);
    IPlaybackDevice& device = audio.playbackDevice();
    if (auto played = openAndPlay(device, longFile); !played) {
        std::printf("long play failed: %s\n", qPrintable(played.error()));
        return;
    }
    const Usage playing = usageDuring(10s);
    device.close();
    std::printf("idle engine, 10 s: peak RSS %ld kB, CPU %.2f s\n", idle.peakKb, idle.cpuSeconds);
    std::printf("playing a 1-hour 44.1 kHz stereo file, 10 s: peak RSS %ld kB (%+ld kB), CPU "
                "%.2f s\n",
                playing.peakKb, playing.peakKb - idle.peakKb, playing.cpuSeconds);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(QStringLiteral("/tmp/tembrel-bench-XXXXXX"));
    const QString tone = dir.filePath("tone.wav");
    const QString loop = dir.filePath("loop.wav");
    const QString longFile = dir.filePath("hour.wav");
    if (!writeTone(tone, {44100, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.5, kToneHz, 0.5}) ||
        !writeTone(loop, {44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.25, 300, 0.2}) ||
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
    if (!measureLatency(audio, tap, tone, loop))
        return 1;
    reportMemory(audio, longFile);
    return 0;
}

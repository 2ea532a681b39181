// Play from a point against play from the start, on the test sound server
// (scripts/pulse.sh start): the time from play() to the first sound at the sink's monitor, for
// the same file played alternately from its start and from its middle, as a 5-minute WAV and
// as a FLAC of it. Target: from the middle at most 1.2x from the start (medians).
// Prints figures only.
#include "BenchTiming.h"
#include "MonitorTap.h"
#include "PrivateSink.h"
#include "platform/audio/AudioSystem.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using namespace std::chrono_literals;
constexpr int kPlaysEach = 15;
constexpr int kRate = 44100;
constexpr double kSeconds = 300;
constexpr double kLoud = 0.05; // the tone is at 0.5; the idle monitor is digital silence

struct Play {
    double mark = 0;   // where the recording was at the call, seconds
    double callMs = 0; // how long open() + play() took
};

struct Runs {
    std::vector<Play> fromStart;
    std::vector<Play> fromMiddle;
};

std::optional<Play> playOnce(AudioSystem& audio, MonitorTap& tap, const QString& path,
                             qint64 frame) {
    IPlaybackDevice& device = audio.playbackDevice();
    Play play{tap.mark(), 0};
    AudioResult result;
    play.callMs = timeMs([&] {
        result = device.open(path);
        if (result)
            result = device.play(frame);
    });
    if (!result) {
        std::printf("play failed: %s\n", qPrintable(result.error()));
        return std::nullopt;
    }
    std::this_thread::sleep_for(300ms);
    device.stop();
    std::this_thread::sleep_for(400ms);
    return play;
}

// One play from the start to open the output, then the two kinds in turn.
std::optional<Runs> playAlternately(AudioSystem& audio, MonitorTap& tap, const QString& path) {
    Runs runs;
    if (!playOnce(audio, tap, path, 0))
        return std::nullopt;
    for (int i = 0; i < kPlaysEach; ++i) {
        const auto start = playOnce(audio, tap, path, 0);
        const auto middle = playOnce(audio, tap, path, qint64(kSeconds * kRate / 2));
        if (!start || !middle)
            return std::nullopt;
        runs.fromStart.push_back(*start);
        runs.fromMiddle.push_back(*middle);
    }
    return runs;
}

struct Figures {
    double latencyMs = 0;
    double callMs = 0;
    int missed = 0;
};

Figures figuresOf(const MonoSound& heard, const std::vector<Play>& plays) {
    std::vector<double> latencies;
    std::vector<double> calls;
    int missed = 0;
    for (const Play& play : plays) {
        const auto from = static_cast<int64_t>(play.mark * heard.sampleRate);
        const auto onset = firstLoudSample(heard, kLoud, from);
        if (!onset || *onset > from + heard.sampleRate / 4) {
            ++missed;
            continue;
        }
        latencies.push_back(1000.0 * double(*onset - from) / heard.sampleRate);
        calls.push_back(play.callMs);
    }
    if (latencies.empty())
        return {-1, -1, missed};
    return {median(latencies), median(calls), missed};
}

void report(const char* what, const MonoSound& heard, const Runs& runs) {
    const Figures start = figuresOf(heard, runs.fromStart);
    const Figures middle = figuresOf(heard, runs.fromMiddle);
    std::printf("%s, %d plays each (median): from the start %.1f ms (call %.2f ms), from the "
                "middle %.1f ms (call %.2f ms): %.2fx (target 1.2x)%s\n",
                what, kPlaysEach, start.latencyMs, start.callMs, middle.latencyMs, middle.callMs,
                middle.latencyMs / start.latencyMs,
                start.missed + middle.missed > 0 ? " [some plays not heard]" : "");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(QStringLiteral("/tmp/tembrel-bench-XXXXXX"));
    const QString wav = dir.filePath(QStringLiteral("tone.wav"));
    const QString flac = dir.filePath(QStringLiteral("tone.flac"));
    for (auto [path, format] : {std::pair{wav, SF_FORMAT_WAV | SF_FORMAT_PCM_16},
                                {flac, SF_FORMAT_FLAC | SF_FORMAT_PCM_16}})
        if (!writeTone(path, {kRate, 2, format, kSeconds, 1000, 0.5})) {
            std::printf("cannot write %s\n", qPrintable(path));
            return 1;
        }
    const PrivateSink sink;
    AudioSystem audio;
    MonitorTap tap(audio);
    if (auto started = tap.start(); !started) {
        std::printf("no sound server: %s\n", qPrintable(started.error()));
        return 1;
    }
    std::this_thread::sleep_for(400ms);
    const auto wavRuns = playAlternately(audio, tap, wav);
    const auto flacRuns = wavRuns ? playAlternately(audio, tap, flac) : std::nullopt;
    const auto heard = tap.finish();
    if (!flacRuns || !heard) {
        std::printf("measuring failed%s\n", heard ? "" : qPrintable(": " + heard.error()));
        return 1;
    }
    report("5-minute 44.1 kHz stereo WAV", *heard, *wavRuns);
    report("the same as FLAC", *heard, *flacRuns);
    return 0;
}

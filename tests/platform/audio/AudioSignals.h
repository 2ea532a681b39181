#pragma once

#include <QString>
#include <cstdint>
#include <expected>
#include <optional>
#include <sndfile.h>
#include <span>
#include <vector>

// Sine tones written as sound files, and the measurements the audio tests and benchmarks make
// on what the monitor of the test sink heard.

struct ToneSpec {
    int sampleRate = 44100;
    int channels = 1;
    int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    double seconds = 1.0;
    double frequency = 440.0;
    double amplitude = 0.5;
    double laterFrequency = 0; // when set, the second half of the tone is at this pitch
};

std::expected<void, QString> writeTone(const QString& path, const ToneSpec& spec);

// A recording mixed down to one channel.
struct MonoSound {
    int sampleRate = 0;
    std::vector<float> samples;

    double seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
    std::span<const float> between(double fromSeconds, double toSeconds) const;
};

std::expected<MonoSound, QString> readMono(const QString& path);

// Amplitude of the frequency's component (a sine of amplitude A gives about A).
double toneAmplitude(std::span<const float> samples, int sampleRate, double frequency);
double rms(std::span<const float> samples);
// Frequency of the strongest component between low and high, in 1 Hz steps.
double dominantFrequency(std::span<const float> samples, int sampleRate, double low, double high);

// First and last sample (end exclusive) of the 10 ms windows whose RMS exceeds threshold.
struct SoundSpan {
    int64_t begin = 0;
    int64_t end = 0;
};
std::optional<SoundSpan> soundingSpan(const MonoSound& sound, double threshold, int64_t from = 0);
// First sample at or after from whose magnitude exceeds threshold.
std::optional<int64_t> firstLoudSample(const MonoSound& sound, double threshold, int64_t from);

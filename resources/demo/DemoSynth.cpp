#include "DemoSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace demo {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// Partials this close to the Nyquist frequency would alias into harsh tones: they are left out.
bool audible(double freq, int rate) {
    return freq > 0.0 && freq < 0.45 * rate;
}

// 0 -> 1 over `length` seconds along a raised cosine.
double smoothRamp(double t, double length) {
    if (t >= length)
        return 1.0;
    if (t <= 0.0)
        return 0.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

size_t firstSample(double start, int rate) {
    return static_cast<size_t>(std::max(0.0, start) * rate);
}

class NoiseSource {
public:
    explicit NoiseSource(uint32_t seed) : m_state(seed ? seed : 0x9e3779b9u) {}
    // Uniform in [-1, 1); xorshift32 keeps every build's files byte-identical.
    double next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state / 2147483648.0 - 1.0;
    }

private:
    uint32_t m_state;
};

} // namespace

Sound makeSilence(int rate, int channelCount, double seconds) {
    Sound sound;
    sound.rate = rate;
    sound.channels.assign(channelCount, Channel(static_cast<size_t>(seconds * rate), 0.0f));
    return sound;
}

void addPartial(Channel& out, int rate, double start, double freq, double amp, double decay) {
    if (!audible(freq, rate))
        return;
    const size_t begin = firstSample(start, rate);
    const size_t length = static_cast<size_t>(decay * 9.3 * rate); // down to -80 dB
    const size_t end = std::min(out.size(), begin + length);
    for (size_t i = begin; i < end; ++i) {
        const double t = double(i - begin) / rate;
        const double envelope = smoothRamp(t, 0.004) * std::exp(-t / decay);
        out[i] += static_cast<float>(amp * envelope * std::sin(twoPi * freq * t));
    }
}

void addBell(Channel& out, int rate, double start, double freq, double amp, double decay) {
    static constexpr double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.43};
    static constexpr double levels[] = {1.0, 0.45, 0.3, 0.14, 0.08};
    for (size_t k = 0; k < std::size(ratios); ++k)
        addPartial(out, rate, start, freq * ratios[k], amp * levels[k], decay / (1.0 + k * 0.9));
}

void addMarimba(Channel& out, int rate, double start, double freq, double amp) {
    addPartial(out, rate, start, freq, amp, 0.35);
    addPartial(out, rate, start, freq * 3.93, amp * 0.25, 0.06);
    addPartial(out, rate, start, freq * 9.2, amp * 0.08, 0.02);
}

void addPluck(Channel& out, int rate, double start, double freq, double amp, double length,
              uint32_t seed) {
    if (!audible(freq, rate))
        return;
    const size_t period = std::max<size_t>(2, static_cast<size_t>(rate / freq + 0.5));
    NoiseSource noise(seed);
    std::vector<double> line(period);
    double smooth = 0.0;
    for (double& value : line) {
        smooth = 0.7 * smooth + 0.3 * noise.next(); // a softer, rounder attack than white noise
        value = smooth;
    }
    const size_t begin = firstSample(start, rate);
    const size_t end = std::min(out.size(), begin + static_cast<size_t>(length * rate));
    for (size_t i = begin, pos = 0; i < end; ++i, pos = (pos + 1) % period) {
        const double t = double(i - begin) / rate;
        const double envelope = smoothRamp(t, 0.003) * smoothRamp(length - t, 0.05);
        const double current = line[pos];
        line[pos] = 0.996 * 0.5 * (current + line[(pos + 1) % period]);
        out[i] += static_cast<float>(amp * envelope * current);
    }
}

void addPad(Channel& out, int rate, double start, double freq, double amp, double length,
            double detuneCents) {
    const double spread = std::pow(2.0, detuneCents / 1200.0);
    const double attack = std::min(0.4, length / 3), release = std::min(0.6, length / 3);
    const size_t begin = firstSample(start, rate);
    const size_t end = std::min(out.size(), begin + static_cast<size_t>(length * rate));
    for (size_t i = begin; i < end; ++i) {
        const double t = double(i - begin) / rate;
        const double envelope = smoothRamp(t, attack) * smoothRamp(length - t, release);
        double sum = 0.0;
        for (int n = 1; n <= 6; ++n) {
            const double level = 1.0 / std::pow(n, 1.6);
            for (double f : {freq * n * spread, freq * n / spread})
                if (audible(f, rate))
                    sum += 0.5 * level * std::sin(twoPi * f * t + n);
        }
        out[i] += static_cast<float>(amp * envelope * sum);
    }
}

void addNoiseSwell(Channel& out, int rate, double start, double length, double amp, double cutoffHz,
                   uint32_t seed) {
    NoiseSource noise(seed);
    const double a = std::exp(-twoPi * cutoffHz / rate);
    double stage1 = 0.0, stage2 = 0.0;
    const size_t begin = firstSample(start, rate);
    const size_t end = std::min(out.size(), begin + static_cast<size_t>(length * rate));
    for (size_t i = begin; i < end; ++i) {
        const double t = double(i - begin) / rate;
        stage1 = a * stage1 + (1.0 - a) * noise.next();
        stage2 = a * stage2 + (1.0 - a) * stage1;
        const double swell = std::sin(std::numbers::pi * t / length);
        out[i] += static_cast<float>(amp * swell * swell * stage2);
    }
}

void normalize(Sound& sound, float peak) {
    float loudest = 0.0f;
    for (const Channel& channel : sound.channels)
        for (float sample : channel)
            loudest = std::max(loudest, std::abs(sample));
    if (loudest <= 0.0f)
        return;
    for (Channel& channel : sound.channels)
        for (float& sample : channel)
            sample *= peak / loudest;
}

void fadeEdges(Sound& sound, double seconds) {
    for (Channel& channel : sound.channels) {
        const size_t count = channel.size();
        for (size_t i = 0; i < count; ++i) {
            const double fromStart = double(i) / sound.rate;
            const double toEnd = double(count - 1 - i) / sound.rate;
            channel[i] *=
                static_cast<float>(smoothRamp(fromStart, seconds) * smoothRamp(toEnd, seconds));
        }
    }
}

double noteHz(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

} // namespace demo

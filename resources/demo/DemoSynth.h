#pragma once

#include <cstdint>
#include <vector>

// Small additive and noise synthesis for the demo collection. Every voice starts and ends
// with a smooth ramp so that no sound clicks; times are in seconds, amplitudes linear.
namespace demo {

using Channel = std::vector<float>;

struct Sound {
    int rate = 44100;
    std::vector<Channel> channels;
};

Sound makeSilence(int rate, int channelCount, double seconds);

// A sine partial with a short attack and an exponential decay (time constant `decay`).
void addPartial(Channel& out, int rate, double start, double freq, double amp, double decay);
// Inharmonic bell partials; higher partials die away faster.
void addBell(Channel& out, int rate, double start, double freq, double amp, double decay);
// Wooden bar: fundamental plus two quickly fading overtones.
void addMarimba(Channel& out, int rate, double start, double freq, double amp);
// Plucked string (Karplus-Strong); `seed` makes the excitation reproducible.
void addPluck(Channel& out, int rate, double start, double freq, double amp, double length,
              uint32_t seed);
// Soft harmonic tone held for `length` with slow attack and release, slightly detuned.
void addPad(Channel& out, int rate, double start, double freq, double amp, double length,
            double detuneCents);
// Low-passed noise under a raised-cosine swell.
void addNoiseSwell(Channel& out, int rate, double start, double length, double amp, double cutoffHz,
                   uint32_t seed);

// Scales every channel together so that the loudest sample reaches `peak`.
void normalize(Sound& sound, float peak);
// Ramps the first and last `seconds` of every channel to and from zero.
void fadeEdges(Sound& sound, double seconds);

double noteHz(int midiNote);

} // namespace demo

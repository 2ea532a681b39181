#pragma once

// The K-weighting that loudness is measured through: a high shelf of about +4 dB above 1.5 kHz
// (the head) followed by a high pass at about 38 Hz, each a biquad, for any sample rate.

// A second-order filter, normalised so that a0 = 1.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

struct KWeighting {
    Biquad shelf;
    Biquad highPass;
};

KWeighting kWeightingFor(double sampleRate);

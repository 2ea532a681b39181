#include "platform/audio/KWeighting.h"

#include <cmath>

// Both stages come from their analogue prototypes through the bilinear transform, so that at
// 48 kHz they are the published coefficients and at any other rate the same response.
KWeighting kWeightingFor(double sampleRate) {
    KWeighting weighting;
    {
        const double f0 = 1681.974450955533, gainDb = 3.999843853973347, q = 0.7071752369554196;
        const double k = std::tan(M_PI * f0 / sampleRate);
        const double vh = std::pow(10.0, gainDb / 20);
        const double vb = std::pow(vh, 0.4996667741545416);
        const double a0 = 1 + k / q + k * k;
        weighting.shelf = {(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0,
                           (vh - vb * k / q + k * k) / a0, 2 * (k * k - 1) / a0,
                           (1 - k / q + k * k) / a0};
    }
    {
        const double f0 = 38.13547087602444, q = 0.5003270373238773;
        const double k = std::tan(M_PI * f0 / sampleRate);
        const double a0 = 1 + k / q + k * k;
        weighting.highPass = {1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
    }
    return weighting;
}

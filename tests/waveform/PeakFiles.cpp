#include "tests/waveform/PeakFiles.h"

#include <QFile>

bool writeSamples(const QString& path, int channels, const std::vector<int16_t>& samples,
                  int format, int sampleRate) {
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = sampleRate;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (file == nullptr)
        return false;
    // As full-range floats, so that a float file holds what a recording would (within +-1.0).
    std::vector<float> values;
    for (int16_t sample : samples)
        values.push_back(float(sample) / 32767.0f);
    const sf_count_t frames = sf_count_t(samples.size()) / channels;
    const bool written = sf_writef_float(file, values.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

std::vector<int16_t> squareWave(int frames, int period, int16_t height, int16_t right) {
    std::vector<int16_t> samples;
    for (int frame = 0; frame < frames; ++frame) {
        samples.push_back(frame % period < period / 2 ? height : int16_t(-height));
        samples.push_back(right);
    }
    return samples;
}

#pragma once

#include <QString>
#include <cstdint>
#include <sndfile.h>
#include <vector>

// Sound files of exactly the samples given, written with libsndfile.
bool writeSamples(const QString& path, int channels, const std::vector<int16_t>& samples,
                  int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16, int sampleRate = 44100);

// Stereo: the left channel a square wave of the given period, the right one constant.
std::vector<int16_t> squareWave(int frames, int period, int16_t height, int16_t right);

#include "platform/audio/PeakReader.h"

#include "platform/RawFile.h"
#include "platform/audio/PeakAccumulator.h"
#include "platform/audio/SoundDecoder.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <sndfile.h>
#include <vector>

namespace {

struct CloseFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, CloseFile>;

// Samples read at a time: small enough to stop soon when asked, big enough to keep the
// per-call cost out of sight.
constexpr qint64 kSamplesPerRead = 1 << 17;

std::unexpected<PeakReadError> failure(QString text) {
    return std::unexpected(PeakReadError{false, std::move(text)});
}

// The decoder's words for a file that does not open, so both say the same.
QString unopenedText(const QString& path) {
    auto decoder = SoundDecoder::open(path);
    if (!decoder)
        return decoder.error();
    return QStringLiteral("The sound file \"%1\" cannot be read.").arg(path);
}

// 16-bit little-endian PCM in a RIFF file: the bytes are the samples, no decoding needed.
bool samplesAreRawBytes(const SF_INFO& info) {
    const int container = info.format & SF_FORMAT_TYPEMASK;
    const int encoding = info.format & SF_FORMAT_SUBMASK;
    const int endian = info.format & SF_FORMAT_ENDMASK;
    return Q_BYTE_ORDER == Q_LITTLE_ENDIAN && encoding == SF_FORMAT_PCM_16 &&
           (endian == SF_ENDIAN_FILE || endian == SF_ENDIAN_LITTLE) &&
           (container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX ||
            container == SF_FORMAT_RF64);
}

// Float samples read as shorts are cast one by one (0.5 becomes 0): those are read as floats,
// which libsndfile gives at full range, and brought to 16 bits here.
bool samplesAreFloats(const SF_INFO& info) {
    const int encoding = info.format & SF_FORMAT_SUBMASK;
    return encoding == SF_FORMAT_FLOAT || encoding == SF_FORMAT_DOUBLE;
}

sf_count_t readFloatsAsShorts(SNDFILE* file, std::vector<float>& floats, int16_t* out,
                              sf_count_t frames, int channels) {
    floats.resize(size_t(frames * channels));
    const sf_count_t read = sf_readf_float(file, floats.data(), frames);
    for (sf_count_t i = 0; i < read * channels; ++i)
        out[i] = int16_t(std::lround(std::clamp(floats[size_t(i)], -1.0f, 1.0f) * 32767.0f));
    return read;
}

} // namespace

std::expected<SoundPeaks, PeakReadError> SndfilePeakReader::read(const QString& path,
                                                                 std::stop_token stop) {
    auto opened = RegularFile::open(path);
    if (!opened)
        return failure(unopenedText(path));
    SF_INFO info{};
    SoundFile file(sf_open_fd(opened->release(), SFM_READ, &info, SF_TRUE));
    if (!file)
        return failure(unopenedText(path));
    if (info.channels < 1 || info.samplerate < 1)
        return failure(
            QStringLiteral("The sound \"%1\" has no channels or no sample rate.").arg(path));

    const bool raw = samplesAreRawBytes(info);
    const bool floats = samplesAreFloats(info);
    std::vector<float> floatBuffer;
    const qint64 framesPerRead = std::max<qint64>(1, kSamplesPerRead / info.channels);
    std::vector<int16_t> buffer(size_t(framesPerRead * info.channels));
    PeakAccumulator peaks(info.channels, info.samplerate);
    while (!stop.stop_requested()) {
        const qint64 frames =
            raw ? sf_read_raw(file.get(), buffer.data(), framesPerRead * info.channels * 2) /
                      (2 * info.channels)
            : floats ? readFloatsAsShorts(file.get(), floatBuffer, buffer.data(), framesPerRead,
                                          info.channels)
                     : sf_readf_short(file.get(), buffer.data(), framesPerRead);
        if (frames <= 0)
            break;
        peaks.add(buffer.data(), frames);
    }
    if (stop.stop_requested())
        return std::unexpected(PeakReadError{true, {}});
    return peaks.finish();
}

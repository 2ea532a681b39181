#include "platform/audio/SndfileEventSounds.h"

#include "platform/NativeName.h"
#include "platform/TempBeside.h"

#include <memory>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, SndfileCloser>;

SoundFile openForReading(const QString& path, SF_INFO& info) {
    info = {};
    return SoundFile(sf_open(nativename::encode(path).constData(), SFM_READ, &info));
}

// Through floats, which libsndfile scales to full range both ways: a float sound read as
// shorts would be cast sample by sample and come out silent.
bool copyFrames(SNDFILE* from, SNDFILE* to, int channels) {
    constexpr sf_count_t kFrames = 4096;
    std::vector<float> samples(size_t(kFrames) * size_t(channels));
    for (;;) {
        const sf_count_t read = sf_readf_float(from, samples.data(), kFrames);
        if (read < 0)
            return false;
        if (read == 0)
            return sf_error(from) == SF_ERR_NO_ERROR;
        if (sf_writef_float(to, samples.data(), read) != read)
            return false;
    }
}

} // namespace

bool SndfileEventSounds::playableAsIs(const QString& path) {
    SF_INFO info;
    const SoundFile file = openForReading(path, info);
    if (!file)
        return true;
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    return (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV &&
           (subtype == SF_FORMAT_PCM_16 || subtype == SF_FORMAT_PCM_U8);
}

bool SndfileEventSounds::writePcm16Copy(const QString& source, const QString& destination) {
    SF_INFO in;
    const SoundFile reader = openForReading(source, in);
    if (!reader || in.channels <= 0)
        return false;
    TempBeside temp(nativename::encode(destination));
    if (!temp.isOpen())
        return false;
    SF_INFO out{};
    out.samplerate = in.samplerate;
    out.channels = in.channels;
    out.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    {
        const SoundFile writer(sf_open_fd(temp.descriptor(), SFM_WRITE, &out, SF_FALSE));
        // Float sounds louder than full scale are clipped rather than wrapped around.
        if (writer)
            sf_command(writer.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
        if (!writer || !copyFrames(reader.get(), writer.get(), in.channels))
            return false;
    }
    return ::fsync(temp.descriptor()) == 0 && ::fchmod(temp.descriptor(), temp.targetMode()) == 0 &&
           temp.takeTargetsPlace(true);
}

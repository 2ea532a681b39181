#include "platform/audio/SoundSlice.h"

#include "platform/RawFile.h"
#include "platform/TempBeside.h"

#include <QFile>
#include <memory>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct CloseFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, CloseFile>;

constexpr sf_count_t kFramesPerCopy = 16384;

bool floatingPoint(const SF_INFO& info) {
    const int encoding = info.format & SF_FORMAT_SUBMASK;
    return encoding == SF_FORMAT_FLOAT || encoding == SF_FORMAT_DOUBLE ||
           encoding == SF_FORMAT_VORBIS || encoding == SF_FORMAT_OPUS;
}

// Integers keep every PCM sample exact; floating-point files go through doubles.
template <typename Sample, typename Read, typename Write>
bool copyFrames(SNDFILE* from, SNDFILE* to, int channels, sf_count_t frames, Read read,
                Write write) {
    std::vector<Sample> buffer(size_t(kFramesPerCopy * channels));
    while (frames > 0) {
        const sf_count_t wanted = std::min(frames, kFramesPerCopy);
        const sf_count_t got = read(from, buffer.data(), wanted);
        if (got <= 0)
            return false;
        if (write(to, buffer.data(), got) != got)
            return false;
        frames -= got;
    }
    return true;
}

QString failedText(const QString& destination) {
    return QStringLiteral("The sound \"%1\" could not be written.").arg(destination);
}

} // namespace

std::expected<void, QString> writeSoundSlice(const QString& source, qint64 start, qint64 end,
                                             const QString& destination) {
    auto opened = RegularFile::open(source);
    if (!opened)
        return std::unexpected(QStringLiteral("The sound \"%1\" cannot be read.").arg(source));
    SF_INFO info{};
    SoundFile in(sf_open_fd(opened->release(), SFM_READ, &info, SF_TRUE));
    if (!in || start < 0 || end <= start || end > info.frames ||
        sf_seek(in.get(), start, SEEK_SET) != start)
        return std::unexpected(QStringLiteral("The sound \"%1\" cannot be read.").arg(source));

    TempBeside temp(QFile::encodeName(destination));
    if (!temp.isOpen())
        return std::unexpected(failedText(destination));
    SF_INFO outInfo{};
    outInfo.samplerate = info.samplerate;
    outInfo.channels = info.channels;
    outInfo.format = info.format;
    bool copied = false;
    {
        SoundFile out(sf_open_fd(temp.descriptor(), SFM_WRITE, &outInfo, SF_FALSE));
        if (!out)
            return std::unexpected(failedText(destination));
        copied = floatingPoint(info)
                     ? copyFrames<double>(in.get(), out.get(), info.channels, end - start,
                                          sf_readf_double, sf_writef_double)
                     : copyFrames<int>(in.get(), out.get(), info.channels, end - start,
                                       sf_readf_int, sf_writef_int);
    } // closing writes the header's final sizes
    if (!copied || ::fchmod(temp.descriptor(), temp.targetMode()) != 0 ||
        ::fsync(temp.descriptor()) != 0 || !temp.takeTargetsPlace(false))
        return std::unexpected(failedText(destination));
    return {};
}

std::expected<void, QString> SndfileSoundCutter::writeSlice(const QString& source, qint64 start,
                                                            qint64 end,
                                                            const QString& destination) {
    return writeSoundSlice(source, start, end, destination);
}

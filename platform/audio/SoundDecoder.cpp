#include "platform/audio/SoundDecoder.h"

#include "platform/RawFile.h"
#include "platform/RiffChunks.h"
#include "platform/audio/WaveShape.h"

#include <algorithm>

namespace {

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(path);
}

QString rateErrorText(const QString& path, qint64 rate) {
    return QStringLiteral("The sound %1 has a sample rate that cannot be played (%2 Hz).")
        .arg(quoted(path))
        .arg(rate);
}

// What libsndfile says of error, without its closing full stop.
QString sndfileReason(int error) {
    const char* text = sf_error_number(error);
    QString reason = text != nullptr ? QString::fromUtf8(text).trimmed() : QString();
    if (reason.endsWith(u'.'))
        reason.chop(1);
    return reason.isEmpty() ? QStringLiteral("its format is not known") : reason;
}

// libsndfile's reason is for the other types: a ".wav" file that is no RIFF WAVE is no sound.
QString notWaveText(const QString& path, int sndfileError) {
    if (path.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
        return QStringLiteral("The file %1 is not a sound file.").arg(quoted(path));
    return QStringLiteral("The sound file %1 cannot be read: %2.")
        .arg(quoted(path), sndfileReason(sndfileError));
}

// sndfileError: why libsndfile could not open it.
QString openErrorText(const QString& path, int sndfileError) {
    const WaveShape shape = inspectWaveShape(path);
    switch (shape.kind) {
    case WaveShape::NotWave:
        return notWaveText(path, sndfileError);
    case WaveShape::Damaged:
        return QStringLiteral("The sound file %1 is damaged and cannot be played.")
            .arg(quoted(path));
    case WaveShape::TooManyChunks:
        return tooManyChunksText(path);
    case WaveShape::Complete:
        break;
    }
    switch (impossibleNumberOf(shape)) {
    case ImpossibleNumber::Channels:
        return QStringLiteral("The sound %1 has a number of channels that cannot be played (%2 "
                              "channels).")
            .arg(quoted(path))
            .arg(shape.channels);
    case ImpossibleNumber::Rate:
        return rateErrorText(path, shape.sampleRate);
    case ImpossibleNumber::Bits:
        return QStringLiteral("The sound %1 has a sample size that cannot be played (%2 bits).")
            .arg(quoted(path))
            .arg(shape.bitsPerSample);
    case ImpossibleNumber::None:
        break;
    }
    return QStringLiteral("The sound %1 is stored in a format that cannot be played (format "
                          "tag 0x%2).")
        .arg(quoted(path), QString::number(shape.formatTag, 16).rightJustified(4, u'0'));
}

bool playableShape(const SF_INFO& info) {
    return info.channels >= 1 && info.samplerate >= 1000 && info.samplerate <= 768000;
}

} // namespace

std::expected<SoundDecoder, QString> SoundDecoder::open(const QString& path) {
    auto opened = RegularFile::open(path);
    if (!opened)
        return std::unexpected(openErrorText(path, opened.error()));
    SF_INFO info{};
    SNDFILE* file = sf_open_fd(opened->release(), SFM_READ, &info, SF_TRUE);
    if (file == nullptr)
        return std::unexpected(openErrorText(path, sf_error(nullptr)));
    if (!playableShape(info)) {
        sf_close(file);
        return std::unexpected(rateErrorText(path, info.samplerate));
    }
    return SoundDecoder(file, info);
}

int64_t SoundDecoder::read(float* out, int64_t frameCount) {
    return sf_readf_float(m_file.get(), out, frameCount);
}

bool SoundDecoder::seek(int64_t frame) {
    return sf_seek(m_file.get(), std::clamp<int64_t>(frame, 0, m_info.frames), SEEK_SET) >= 0;
}

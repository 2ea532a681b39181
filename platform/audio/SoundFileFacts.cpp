#include "platform/audio/SoundFileFacts.h"

#include "platform/audio/SoundDecoder.h"

namespace {

// The bits of one sample of a libsndfile subtype that stores samples of a fixed size.
int bitsOf(int subtype) {
    switch (subtype) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW:
        return 8;
    case SF_FORMAT_PCM_16:
        return 16;
    case SF_FORMAT_PCM_24:
        return 24;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        return 32;
    case SF_FORMAT_DOUBLE:
        return 64;
    default:
        return 0;
    }
}

// The major format's name up to its explanation: "FLAC (Free Lossless Audio Codec)" is "FLAC";
// MPEG layer III is known by its file type.
QString majorFormatName(int format) {
    if ((format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG)
        return (format & SF_FORMAT_SUBMASK) == SF_FORMAT_MPEG_LAYER_III ? QStringLiteral("MP3")
                                                                        : QStringLiteral("MPEG");
    SF_FORMAT_INFO info{};
    info.format = format & SF_FORMAT_TYPEMASK;
    if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof info) != 0 || info.name == nullptr)
        return QStringLiteral("Unknown");
    const QString name = QString::fromUtf8(info.name);
    return name.left(name.indexOf(QLatin1String(" ("))).trimmed();
}

} // namespace

std::expected<SoundFileFacts, QString> readSoundFileFacts(const QString& path) {
    const auto decoder = SoundDecoder::open(path);
    if (!decoder)
        return std::unexpected(decoder.error());
    const int format = decoder->format();
    return SoundFileFacts{majorFormatName(format), decoder->channels(), decoder->sampleRate(),
                          bitsOf(format & SF_FORMAT_SUBMASK), decoder->frames()};
}

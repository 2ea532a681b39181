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

// One libsndfile list (SFC_GET_FORMAT_MAJOR or _SUBTYPE, with their counts): true when it
// holds format.
bool listHolds(int countCommand, int entryCommand, int format) {
    int count = 0;
    if (sf_command(nullptr, countCommand, &count, sizeof count) != 0)
        return false;
    for (int i = 0; i < count; ++i) {
        SF_FORMAT_INFO info{};
        info.format = i;
        if (sf_command(nullptr, entryCommand, &info, sizeof info) == 0 && info.format == format)
            return true;
    }
    return false;
}

bool readsMajor(int major) {
    return listHolds(SFC_GET_FORMAT_MAJOR_COUNT, SFC_GET_FORMAT_MAJOR, major);
}

bool readsSubtype(int subtype) {
    return listHolds(SFC_GET_FORMAT_SUBTYPE_COUNT, SFC_GET_FORMAT_SUBTYPE, subtype);
}

struct OtherType {
    const char* ending;
    int major;
    int subtype; // 0: any the container holds
};

constexpr OtherType kOtherTypes[] = {
    {".flac", SF_FORMAT_FLAC, 0},
    {".ogg", SF_FORMAT_OGG, SF_FORMAT_VORBIS},
    {".oga", SF_FORMAT_OGG, SF_FORMAT_VORBIS},
    {".opus", SF_FORMAT_OGG, SF_FORMAT_OPUS},
    {".mp3", SF_FORMAT_MPEG, SF_FORMAT_MPEG_LAYER_III},
    {".aif", SF_FORMAT_AIFF, 0},
    {".aiff", SF_FORMAT_AIFF, 0},
    {".aifc", SF_FORMAT_AIFF, 0},
    {".au", SF_FORMAT_AU, 0},
    {".snd", SF_FORMAT_AU, 0},
    {".caf", SF_FORMAT_CAF, 0},
};

} // namespace

QList<QByteArray> readableSoundFileEndings() {
    QList<QByteArray> endings;
    for (const OtherType& type : kOtherTypes)
        if (readsMajor(type.major) && (type.subtype == 0 || readsSubtype(type.subtype)))
            endings.append(QByteArray(type.ending));
    return endings;
}

std::expected<SoundFileFacts, QString> readSoundFileFacts(const QString& path) {
    const auto decoder = SoundDecoder::open(path);
    if (!decoder)
        return std::unexpected(decoder.error());
    const int format = decoder->format();
    return SoundFileFacts{majorFormatName(format), decoder->channels(), decoder->sampleRate(),
                          bitsOf(format & SF_FORMAT_SUBMASK), decoder->frames()};
}

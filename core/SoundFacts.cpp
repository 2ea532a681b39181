#include "core/SoundFacts.h"

#include "platform/RawFile.h"
#include "platform/RiffChunks.h"

#include <QtEndian>
#include <algorithm>
#include <atomic>

namespace {

std::atomic<SoundFileFactsReader> g_otherTypes{nullptr};

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(path);
}

QString notSoundText(const QString& path) {
    return QStringLiteral("The file %1 is not a sound file.").arg(quoted(path));
}

QString damagedText(const QString& path) {
    return QStringLiteral("The sound file %1 is damaged: it has no complete format chunk.")
        .arg(quoted(path));
}

// Format tags whose data is whole frames of blockAlign bytes: PCM, float, A-law, u-law and the
// extensible header. Compressed tags count their frames in a "fact" chunk.
bool storesWholeFrames(uint32_t tag) {
    return tag == 0x0001 || tag == 0x0003 || tag == 0x0006 || tag == 0x0007 || tag == 0xFFFE;
}

struct WaveWalk {
    QByteArray fmt;         // the first 16 bytes of the first "fmt " chunk
    qint64 factFrames = -1; // the "fact" chunk's count, when there is one
    qint64 dataPos = -1;    // where the first "data" chunk's samples start
    qint64 dataBytes = 0;   // its declared size
    RiffChunks::End end = RiffChunks::End::NotEnded;
};

// The chunks within the size the RIFF header declares, up to the "data" chunk; the format is
// the first "fmt " chunk's, as ReadWaveInfo takes it.
WaveWalk walkWave(const FileHead& file) {
    RiffChunks chunks([&file](qint64 pos, qint64 size) { return file.upTo(pos, size); },
                      RiffChunks::Bounds::DeclaredSize);
    WaveWalk walk;
    bool sawFmt = false;
    while (const auto chunk = chunks.next()) {
        if (chunk->id == "fmt " && !sawFmt) {
            sawFmt = true;
            walk.fmt = chunk->size >= 16 ? chunks.bytes(chunk->bodyPos, 16) : QByteArray();
        } else if (chunk->id == "fact" && chunk->size >= 4) {
            const QByteArray count = chunks.bytes(chunk->bodyPos, 4);
            if (count.size() == 4)
                walk.factFrames = qFromLittleEndian<quint32>(count.constData());
        } else if (chunk->id == "data") {
            walk.dataPos = chunk->bodyPos;
            walk.dataBytes = chunk->size;
            if (sawFmt)
                break;
        }
    }
    walk.end = chunks.end();
    return walk;
}

qint64 frameCount(const WaveWalk& walk, const WaveInfo& info, qint64 fileLength) {
    if (walk.dataPos < 0)
        return 0;
    if (!storesWholeFrames(info.formatTag))
        return std::max<qint64>(walk.factFrames, 0);
    if (info.blockAlign == 0)
        return 0;
    const qint64 present = std::clamp<qint64>(fileLength - walk.dataPos, 0, walk.dataBytes);
    return present / info.blockAlign;
}

std::expected<SoundFacts, QString> readWaveFacts(const QString& path, const FileHead& file) {
    const WaveWalk walk = walkWave(file);
    WaveInfo info;
    if (!ReadWaveInfoFromFmt(walk.fmt, info))
        return std::unexpected(walk.end == RiffChunks::End::TooManyChunks ? tooManyChunksText(path)
                                                                          : damagedText(path));
    const qint64 length = file.regularSize().value_or(0);
    return SoundFacts{info.formatText,
                      int(info.channels),
                      int(info.samplesPerSecond),
                      int(info.bitsPerSample),
                      frameCount(walk, info, length),
                      playTimeSeconds(length, info),
                      info};
}

std::expected<SoundFacts, QString> readOtherFacts(const QString& path) {
    const SoundFileFactsReader reader = g_otherTypes.load();
    if (reader == nullptr)
        return std::unexpected(notSoundText(path));
    const auto read = reader(path);
    if (!read)
        return std::unexpected(read.error());
    const double seconds = read->sampleRate > 0 ? double(read->frames) / read->sampleRate : 0.0;
    return SoundFacts{read->formatText, read->channels, read->sampleRate, read->bitsPerSample,
                      read->frames,     seconds,        std::nullopt};
}

} // namespace

std::expected<SoundFacts, QString> readSoundFacts(const QString& path) {
    const FileHead file(path);
    if (!file.isOpen()) {
        const auto opened = RegularFile::open(path);
        return std::unexpected(opened ? notSoundText(path) : openErrorText(path, opened.error()));
    }
    const QByteArray start = file.at(0, 12);
    if (start.startsWith("RIFF") && start.mid(8, 4) == "WAVE")
        return readWaveFacts(path, file);
    return readOtherFacts(path);
}

void useSoundFileFacts(SoundFileFactsReader reader) {
    g_otherTypes.store(reader);
}

WaveInfo unreadableInfo() {
    WaveInfo info;
    info.channelsText = QStringLiteral("Unreadable");
    info.formatText = info.channelsText;
    return info;
}

WaveInfo shownInfo(const SoundFacts& facts) {
    WaveInfo info;
    info.channels = uint32_t(std::max(facts.channels, 0));
    info.samplesPerSecond = uint32_t(std::max(facts.sampleRate, 0));
    info.bitsPerSample = uint32_t(std::max(facts.bitsPerSample, 0));
    info.channelsText = facts.channels == 1 ? QStringLiteral("Mono") : QStringLiteral("Stereo");
    info.formatText = facts.formatText;
    return info;
}

#include "library/SoundHeader.h"

#include "core/WaveInfo.h"
#include "platform/RiffChunks.h"

#include <cstring>
#include <functional>

namespace {

constexpr int kMostChunks = 64;
constexpr qint64 kMostTextBytes = 64 * 1024;

quint32 le32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

quint32 le16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint32(b[0]) | quint32(b[1]) << 8;
}

// The first 16 bytes of the "fmt " chunk.
void readFormat(const QByteArray& fmt, IndexedSound& sound) {
    if (fmt.size() != 16)
        return;
    WaveInfo info;
    info.formatTag = le16(fmt.constData());
    info.channels = le16(fmt.constData() + 2);
    info.samplesPerSecond = le32(fmt.constData() + 4);
    info.avgBytesPerSecond = le32(fmt.constData() + 8);
    info.bitsPerSample = le16(fmt.constData() + 14);
    sound.format = info.formatTag == 1 ? QStringLiteral("PCM")
                                       : QStringLiteral("Format %1").arg(info.formatTag);
    sound.channels = int(info.channels);
    sound.sampleRate = int(info.samplesPerSecond);
    sound.bits = int(info.bitsPerSample);
    sound.seconds = playTimeSeconds(sound.size, info);
}

// Bytes at a position of the file: from the head when it holds them, else asked for.
using ByteSource = RiffChunks::Reader;

QString latinOrUtf8(QByteArray bytes) {
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    const QString utf8 = QString::fromUtf8(bytes);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(bytes) : utf8;
}

// The INAM (title), ICMT (comment) and other text of a "LIST" chunk of type "INFO".
void readInfoList(const QByteArray& list, QStringList& texts) {
    if (list.size() < 4 || std::memcmp(list.constData(), "INFO", 4) != 0)
        return;
    qsizetype pos = 4;
    while (pos + 8 <= list.size()) {
        const qsizetype size = qsizetype(le32(list.constData() + pos + 4));
        if (size > list.size() - pos - 8)
            break;
        const QString text = latinOrUtf8(list.mid(pos + 8, size)).simplified();
        if (!text.isEmpty())
            texts.append(text);
        pos += 8 + size + (size & 1);
    }
}

void readChunks(const ByteSource& bytes, IndexedSound& sound, QStringList& texts) {
    RiffChunks chunks(bytes, RiffChunks::Bounds::DeclaredSize);
    for (int count = 0; count < kMostChunks; ++count) {
        const std::optional<RiffChunk> chunk = chunks.next();
        if (!chunk)
            return;
        if (chunk->id == "fmt " && chunk->size >= 16)
            readFormat(chunks.bytes(chunk->bodyPos, 16), sound);
        else if (chunk->id == "LIST" && chunk->size <= kMostTextBytes)
            readInfoList(chunks.bytes(chunk->bodyPos, chunk->size), texts);
        else if (chunk->id == "bext" && chunk->size >= 256) {
            const QString description = latinOrUtf8(chunks.bytes(chunk->bodyPos, 256)).simplified();
            if (!description.isEmpty())
                texts.append(description);
        }
    }
}

IndexedSound readFrom(const ByteSource& bytes, qint64 fileSize) {
    IndexedSound sound;
    sound.size = fileSize;
    QStringList texts;
    readChunks(bytes, sound, texts);
    sound.text = texts.join(QLatin1Char(' '));
    return sound;
}

// What the head holds of size bytes at pos: fewer past its end.
QByteArray slice(const QByteArray& head, qint64 pos, qint64 size) {
    if (pos < 0 || size < 0 || pos >= head.size())
        return {};
    return head.mid(qsizetype(pos), qsizetype(size));
}

} // namespace

IndexedSound soundFromHead(const QByteArray& head, qint64 fileSize) {
    return readFrom([&](qint64 pos, qint64 size) { return slice(head, pos, size); }, fileSize);
}

IndexedSound readSoundHeader(const QByteArray& folder, const foldertree::SoundFile& file) {
    const QByteArray path = folder + '/' + file.name;
    const QByteArray head =
        !file.head.isEmpty() ? file.head
                             : foldertree::readHead(path, kSoundHeadBytes).value_or(QByteArray());
    const auto bytes = [&](qint64 pos, qint64 size) {
        if (pos + size <= head.size() || head.size() < kSoundHeadBytes)
            return slice(head, pos, size);
        return foldertree::readAt(path, pos, size).value_or(QByteArray());
    };
    IndexedSound sound = readFrom(bytes, file.size);
    sound.name = file.name;
    sound.modified = file.modified;
    return sound;
}

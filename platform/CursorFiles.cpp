#include "platform/CursorFiles.h"

#include "platform/RawFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <functional>

namespace {

// Limits far above any real cursor; sizes beyond them mark a damaged or hostile file.
constexpr qint64 maxFileBytes = 8 * 1024 * 1024;
constexpr quint32 maxFrames = 256;
constexpr quint32 maxSteps = 1024;
constexpr int maxSide = 256;
constexpr qint64 maxIntervalMs = 60 * 1000;

constexpr quint32 aniFramesAreIcons = 0x1;
constexpr quint32 aniHasSequence = 0x2;

// Little-endian reads that refuse to look past the end of the data.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView data) : m_data(data) {}
    bool has(qint64 at, qint64 length) const {
        return at >= 0 && length >= 0 && at <= m_data.size() && length <= m_data.size() - at;
    }
    std::optional<quint32> u16(qint64 at) const {
        if (!has(at, 2))
            return std::nullopt;
        return byte(at) | byte(at + 1) << 8;
    }
    std::optional<quint32> u32(qint64 at) const {
        if (!has(at, 4))
            return std::nullopt;
        return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24;
    }
    bool idAt(qint64 at, QByteArrayView id) const {
        return has(at, 4) && m_data.sliced(at, 4) == id;
    }

private:
    quint32 byte(qint64 at) const { return quint8(m_data[at]); }
    QByteArrayView m_data;
};

struct Frame {
    QImage image;
    QPoint hotspot;
};

void appendLe(QByteArray& out, quint32 value, int byteCount) {
    for (int i = 0; i < byteCount; ++i)
        out.append(char(value >> (8 * i)));
}

std::optional<QImage> readImage(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.width() > maxSide || size.height() > maxSide)
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

// An uncompressed bitmap must hold its header, palette, colour rows and mask rows in full;
// Qt would otherwise accept a bitmap whose mask is cut off.
bool completeBitmap(const ByteReader& dib, qint64 size) {
    const auto headerSize = dib.u32(0), width = dib.u32(4), height = dib.u32(8);
    const auto bitCount = dib.u16(14), compression = dib.u32(16), paletteUsed = dib.u32(32);
    if (!paletteUsed || *headerSize < 40u || *headerSize > 124u || *compression != 0 ||
        *width < 1u || *width > quint32(maxSide) || *height < 2u ||
        *height > quint32(2 * maxSide) || *paletteUsed > 256u)
        return false;
    const qint64 bits = *bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;
    const qint64 paletteEntries = bits <= 8 ? (*paletteUsed ? *paletteUsed : 1 << bits) : 0;
    const qint64 rows = *height / 2;
    const qint64 colourRow = (*width * bits + 31) / 32 * 4, maskRow = (*width + 31) / 32 * 4;
    return size >= *headerSize + 4 * paletteEntries + rows * (colourRow + maskRow);
}

// One entry's picture: a PNG, or a device-independent bitmap, which Qt reads only as part of
// an icon file: it gets a one-entry icon directory of its own.
std::optional<QImage> decodePicture(QByteArrayView picture) {
    static constexpr QByteArrayView pngSignature("\x89PNG\r\n\x1a\n", 8);
    if (picture.startsWith(pngSignature))
        return readImage(picture.toByteArray(), "png");
    const ByteReader dib(picture);
    if (!completeBitmap(dib, picture.size()))
        return std::nullopt;
    QByteArray icon;
    for (quint32 field : {0u, 1u, 1u}) // reserved, type icon, one entry
        appendLe(icon, field, 2);
    icon.append(char(*dib.u32(4) & 0xff)).append(char(*dib.u32(8) / 2 & 0xff)).append(2, '\0');
    appendLe(icon, 1, 2);
    appendLe(icon, *dib.u16(14), 2);
    appendLe(icon, quint32(picture.size()), 4);
    appendLe(icon, 22, 4);
    return readImage(icon + picture.toByteArray(), "ico");
}

// A ".cur" file (or an icon file, whose hotspot is its top-left corner); its first entry.
std::optional<Frame> decodeCur(QByteArrayView bytes) {
    const ByteReader cur(bytes);
    const auto reserved = cur.u16(0), type = cur.u16(2), count = cur.u16(4);
    if (!count || *reserved != 0 || (*type != 1 && *type != 2) || *count == 0)
        return std::nullopt;
    const qint64 directoryEnd = 6 + 16 * qint64(*count);
    const auto hotX = cur.u16(10), hotY = cur.u16(12);
    const auto size = cur.u32(14), offset = cur.u32(18);
    if (!cur.has(0, directoryEnd) || *offset < directoryEnd || !cur.has(*offset, *size))
        return std::nullopt;
    const std::optional<QImage> image = decodePicture(bytes.sliced(*offset, *size));
    if (!image)
        return std::nullopt;
    const QPoint hotspot = *type == 2 ? QPoint(int(*hotX), int(*hotY)) : QPoint(0, 0);
    if (!image->rect().contains(hotspot))
        return std::nullopt;
    return Frame{*image, hotspot};
}

// Calls `visit` for each chunk filling `data`; false when a chunk runs past the end. The pad
// byte after the last odd-sized chunk may be missing.
bool walkChunks(QByteArrayView data,
                const std::function<bool(QByteArrayView id, QByteArrayView body)>& visit) {
    const ByteReader reader(data);
    qint64 pos = 0;
    while (pos < data.size()) {
        const std::optional<quint32> size = reader.u32(pos + 4);
        if (!size || !reader.has(pos + 8, *size))
            return false;
        if (!visit(data.sliced(pos, 4), data.sliced(pos + 8, *size)))
            return false;
        pos += 8 + qint64(*size) + (*size & 1);
    }
    return true;
}

struct AniParts {
    QByteArrayView header, rates, sequence;
    QList<QByteArrayView> icons;
};

std::optional<AniParts> splitAni(QByteArrayView bytes) {
    const ByteReader riff(bytes);
    const std::optional<quint32> riffSize = riff.u32(4);
    if (!riff.idAt(0, "RIFF") || !riff.idAt(8, "ACON") || *riffSize < 4 || !riff.has(8, *riffSize))
        return std::nullopt;
    AniParts parts;
    const auto collectIcons = [&parts](QByteArrayView id, QByteArrayView body) {
        if (id == "icon")
            parts.icons.append(body);
        return true;
    };
    const auto visit = [&](QByteArrayView id, QByteArrayView body) {
        if (id == "anih")
            parts.header = body;
        else if (id == "rate")
            parts.rates = body;
        else if (id == "seq ")
            parts.sequence = body;
        else if (id == "LIST" && body.startsWith("fram"))
            return walkChunks(body.sliced(4), collectIcons);
        return true;
    };
    if (!walkChunks(bytes.sliced(12, *riffSize - 4), visit))
        return std::nullopt;
    return parts;
}

// The display time of one step: the average of the "rate" chunk, else the header's rate.
std::optional<int> stepIntervalMs(const AniParts& parts, quint32 steps) {
    const ByteReader header(parts.header);
    qint64 jiffies = *header.u32(28);
    if (!parts.rates.isEmpty()) {
        const ByteReader rates(parts.rates);
        if (!rates.has(0, 4 * qint64(steps)))
            return std::nullopt;
        qint64 sum = 0;
        for (quint32 i = 0; i < steps; ++i)
            sum += *rates.u32(4 * qint64(i));
        jiffies = sum / steps;
    }
    return int(qBound<qint64>(1000 / 60, jiffies * 1000 / 60, maxIntervalMs));
}

// Frame numbers in display order: the "seq " chunk, or each frame once.
std::optional<QList<quint32>> stepOrder(const AniParts& parts, quint32 frameCount) {
    const ByteReader header(parts.header);
    QList<quint32> order;
    if (!(*header.u32(32) & aniHasSequence)) {
        for (quint32 i = 0; i < frameCount; ++i)
            order.append(i);
        return order;
    }
    const quint32 steps = *header.u32(8);
    const ByteReader sequence(parts.sequence);
    if (steps == 0 || steps > maxSteps || !sequence.has(0, 4 * qint64(steps)))
        return std::nullopt;
    for (quint32 i = 0; i < steps; ++i) {
        const quint32 frame = *sequence.u32(4 * qint64(i));
        if (frame >= frameCount)
            return std::nullopt;
        order.append(frame);
    }
    return order;
}

std::optional<CursorAnimation> assembleAni(const AniParts& parts) {
    const ByteReader header(parts.header);
    if (!header.has(0, 36) || !(*header.u32(32) & aniFramesAreIcons))
        return std::nullopt; // frames stored as raw bitmaps are not supported
    const quint32 frameCount = *header.u32(4);
    if (frameCount == 0 || frameCount > maxFrames || parts.icons.size() < qsizetype(frameCount))
        return std::nullopt;
    const std::optional<QList<quint32>> order = stepOrder(parts, frameCount);
    if (!order)
        return std::nullopt;
    const std::optional<int> interval = stepIntervalMs(parts, quint32(order->size()));
    if (!interval)
        return std::nullopt;
    QList<QCursor> cursors;
    for (quint32 i = 0; i < frameCount; ++i) {
        const std::optional<Frame> frame = decodeCur(parts.icons[i]);
        if (!frame)
            return std::nullopt;
        cursors.append(
            QCursor(QPixmap::fromImage(frame->image), frame->hotspot.x(), frame->hotspot.y()));
    }
    CursorAnimation animation;
    for (quint32 frame : *order)
        animation.frames.append(cursors[frame]);
    animation.intervalMs = animation.frames.size() > 1 ? *interval : 0;
    return animation;
}

} // namespace

std::optional<CursorAnimation> parseCursorBytes(const QByteArray& bytes) {
    if (bytes.startsWith("RIFF")) {
        const std::optional<AniParts> parts = splitAni(bytes);
        return parts ? assembleAni(*parts) : std::nullopt;
    }
    const std::optional<Frame> frame = decodeCur(bytes);
    if (!frame)
        return std::nullopt;
    CursorAnimation animation;
    animation.frames.append(
        QCursor(QPixmap::fromImage(frame->image), frame->hotspot.x(), frame->hotspot.y()));
    return animation;
}

std::optional<CursorAnimation> loadCursorFile(const QString& path) {
    auto file = RegularFile::open(path);
    const auto bytes = file ? file->readAll(maxFileBytes) : std::nullopt;
    if (!bytes)
        return std::nullopt;
    return parseCursorBytes(*bytes);
}

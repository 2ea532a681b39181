#include "CursorWriter.h"

namespace cursorfile {

namespace {

void appendLe16(QByteArray& out, quint32 value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void appendLe32(QByteArray& out, quint32 value) {
    appendLe16(out, value & 0xffff);
    appendLe16(out, value >> 16);
}

void appendChunk(QByteArray& out, const char* id, const QByteArray& data) {
    out.append(id, 4);
    appendLe32(out, quint32(data.size()));
    out.append(data);
    if (data.size() % 2)
        out.append('\0');
}

// BITMAPINFOHEADER; the height counts the colour rows and the mask rows together.
QByteArray dibHeader(int width, int height, quint32 imageBytes) {
    QByteArray header;
    appendLe32(header, 40);
    appendLe32(header, quint32(width));
    appendLe32(header, quint32(height * 2));
    appendLe16(header, 1);  // planes
    appendLe16(header, 32); // bits per pixel
    appendLe32(header, 0);  // uncompressed
    appendLe32(header, imageBytes);
    for (int i = 0; i < 4; ++i) // resolution and palette: unused
        appendLe32(header, 0);
    return header;
}

// Colour rows bottom-up as B, G, R, A; then the AND mask, 1 where the screen shows through,
// each row padded to 32 bits.
QByteArray dibPixels(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QByteArray pixels;
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            appendLe32(pixels, image.pixel(x, y));
    const int maskRowBytes = (image.width() + 31) / 32 * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        pixels.append(row);
    }
    return pixels;
}

QByteArray infoList(const QString& title) {
    QByteArray list("INFO");
    appendChunk(list, "INAM", title.toLatin1() + '\0');
    appendChunk(list, "IART", QByteArray("The Tembrel developers") + '\0');
    return list;
}

QByteArray aniHeader(int frameCount, int jiffies) {
    QByteArray header;
    appendLe32(header, 36);
    appendLe32(header, quint32(frameCount)); // frames
    appendLe32(header, quint32(frameCount)); // steps: each frame once, in order
    for (int i = 0; i < 4; ++i)              // size, bit count, planes: taken from the frames
        appendLe32(header, 0);
    appendLe32(header, quint32(jiffies));
    appendLe32(header, 1); // the frames are cursor images
    return header;
}

} // namespace

QByteArray curBytes(const QImage& image, QPoint hotspot) {
    const QByteArray pixels = dibPixels(image);
    const QByteArray dib =
        dibHeader(image.width(), image.height(), quint32(pixels.size())) + pixels;
    QByteArray file;
    appendLe16(file, 0); // reserved
    appendLe16(file, 2); // cursor
    appendLe16(file, 1); // one image
    file.append(char(image.width() & 0xff));
    file.append(char(image.height() & 0xff));
    file.append('\0'); // no palette
    file.append('\0');
    appendLe16(file, quint32(hotspot.x()));
    appendLe16(file, quint32(hotspot.y()));
    appendLe32(file, quint32(dib.size()));
    appendLe32(file, 22); // the image follows this one-entry directory
    return file + dib;
}

QByteArray aniBytes(const QList<QImage>& frames, QPoint hotspot, const AniOptions& options) {
    QByteArray body("ACON");
    if (!options.title.isEmpty())
        appendChunk(body, "LIST", infoList(options.title));
    appendChunk(body, "anih", aniHeader(int(frames.size()), options.jiffies));
    if (options.rateChunk) {
        QByteArray rates;
        for (qsizetype i = 0; i < frames.size(); ++i)
            appendLe32(rates, quint32(options.jiffies));
        appendChunk(body, "rate", rates);
    }
    QByteArray frameList("fram");
    for (const QImage& frame : frames)
        appendChunk(frameList, "icon", curBytes(frame, hotspot));
    appendChunk(body, "LIST", frameList);

    QByteArray file("RIFF");
    appendLe32(file, quint32(body.size()));
    return file + body;
}

} // namespace cursorfile

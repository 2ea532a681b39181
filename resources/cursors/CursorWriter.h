#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

// Writers for the two Windows cursor file formats, so that the themes work with any program
// that reads them.
namespace cursorfile {

// A ".cur" file: an icon directory of type 2 with one 32-bit image (colour plus AND mask)
// and its hotspot.
QByteArray curBytes(const QImage& image, QPoint hotspot);

struct AniOptions {
    int jiffies = 10;       // display time of each frame in 1/60 s
    bool rateChunk = false; // also write the per-step "rate" chunk
    QString title;          // stored in a LIST/INFO chunk when not empty
};

// An ".ani" file: RIFF "ACON" with "anih", the optional "rate" chunk and a LIST "fram" of
// "icon" chunks, each holding a complete ".cur" image.
QByteArray aniBytes(const QList<QImage>& frames, QPoint hotspot, const AniOptions& options);

} // namespace cursorfile

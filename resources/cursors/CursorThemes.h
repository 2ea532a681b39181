#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QString>

// The cursor files of the themes, as they are placed in the program directory's Bin/Cursors.
struct ThemeCursorFile {
    QString fileName;
    int frameCount = 1; // 1 with a ".cur" name: a static cursor
    QPoint hotspot;
    int jiffies = 0; // display time of each frame in 1/60 s; 0 for a static cursor
    // Draws one frame on a clear 32 x 32 canvas; `phase` runs from 0 up to, not including, 1.
    void (*draw)(QPainter& p, double phase) = nullptr;
};

QList<ThemeCursorFile> themeCursorFiles();
QImage renderCursorFrame(const ThemeCursorFile& file, int frame);
// The complete file: ".cur" bytes for a static cursor, ".ani" bytes otherwise.
QByteArray cursorFileBytes(const ThemeCursorFile& file);

#pragma once

#include <QByteArray>
#include <QCursor>
#include <QList>
#include <QString>
#include <optional>

// A cursor read from a Windows ".cur" or ".ani" file. Qt reads the pictures but not the
// hotspot nor the animation, so both formats are taken apart here.
struct CursorAnimation {
    QList<QCursor> frames; // in display order (an ".ani" sequence is already expanded)
    int intervalMs = 0;    // how long each frame shows; 0 when there is only one frame
};

// Reads a cursor file; the format is recognised by its content, not by its name. A missing,
// unreadable, truncated or malformed file gives nullopt. Needs a QGuiApplication.
std::optional<CursorAnimation> loadCursorFile(const QString& path);
std::optional<CursorAnimation> parseCursorBytes(const QByteArray& bytes);

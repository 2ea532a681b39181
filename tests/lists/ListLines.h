#pragma once

#include <QByteArray>
#include <initializer_list>

// Expected list bytes: every line followed by CR LF.
inline QByteArray crlfLines(std::initializer_list<const char*> lines) {
    QByteArray bytes;
    for (const char* line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

inline const QByteArray kHyphens(30, '-');
inline const QByteArray kBlanks(30, ' ');

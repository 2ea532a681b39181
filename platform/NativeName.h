#pragma once

#include <QByteArray>
#include <QString>

// File names as the file system spells them. A name is bytes; most are UTF-8, but a folder
// copied from an old disk may hold others (a Latin-1 "caf\xe9.wav"). Such a byte is kept in
// the text as one of the code points U+DC80..U+DCFF, which no UTF-8 name can hold, so the
// text leads back to the very same bytes. Every path operation encodes its path here.
namespace nativename {

// The text of a name or path read from the file system; lossless for any bytes.
QString decode(const QByteArray& bytes);
// The bytes to hand the file system: the inverse of decode.
QByteArray encode(const QString& text);
// True when the text holds bytes that are not UTF-8: it names a file, but cannot be stored
// or shown as it is.
bool holdsForeignBytes(const QString& text);
// The name to show: each foreign byte as a replacement character, the rest as it is.
QString shown(const QString& text);
// True when the path can be stored as text (in the data file) and still name the same
// file. A name that is not UTF-8 cannot: a folder picker hands it over with replacement
// characters, which name another folder, and kept bytes are no text.
bool isStorableText(const QString& path);

} // namespace nativename

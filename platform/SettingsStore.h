#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The program's data file: an INI file next to the executable, read and written one key at a
// time. Section and key names match without regard to case; a value is the text after the first
// "=" with surrounding blanks removed, at most 259 characters. Every write replaces the whole
// file atomically (a temporary file renamed over it), so a crash never leaves half a file.
namespace settings {

// The text every string read passes as its default: an exact match means "missing".
inline const QString kMissing = QStringLiteral("Error! Data file not found!");
inline constexpr int kMaxValueLength = 259;

QString readString(const QString& section, const QString& key, const QString& fallback,
                   const QString& path);
int readInt(const QString& section, const QString& key, int fallback, const QString& path);
// The values of many keys of one section from one reading of the file, in the keys' order, each
// as readString gives it.
QStringList readStrings(const QString& section, const QStringList& keys, const QString& fallback,
                        const QString& path);
// Creates the file, the section and the key when missing; never deletes anything. False (and
// the file unchanged) when it cannot be written or has been made read-only.
bool writeString(const QString& section, const QString& key, const QString& value,
                 const QString& path);

// Where a value lives.
struct Key {
    QString section;
    QString key;
};

// One key to set by writeStrings.
struct Entry {
    QString section;
    QString key;
    QString value;
};

// Sets every key in one replacement of the file: either all of them are stored or (when the
// file cannot be written, is read-only, or a text holds a line break) none is. Later entries
// for the same key win.
bool writeStrings(const QList<Entry>& entries, const QString& path);

// The same rules on the file's bytes (the fuzz target drives them): a key's raw value, and
// the bytes with a key set (nothing when a name or the value holds a line break).
std::optional<QByteArray> valueIn(const QByteArray& file, const QString& section,
                                  const QString& key);
std::optional<QByteArray> withValue(const QByteArray& file, const QString& section,
                                    const QString& key, const QString& value);
// Every entry set in one pass, as withValue one after the other would set them.
std::optional<QByteArray> withValues(const QByteArray& file, const QList<Entry>& entries);

// The data file of a program directory ("dir/" or "dir" both work).
QString dataFilePath(const QString& programDir);

} // namespace settings

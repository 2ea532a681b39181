#pragma once

#include "platform/RegistryText.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <expected>

// A REGEDIT4 file as it was read, line for line. Look-ups go through an index of keys and
// values, so reading and changing a file of many thousands of keys takes one pass over it.
// A change rewrites only the line of the value it sets, or adds lines; every other byte
// (comments, spacing, line ends, repeated keys, text that is not UTF-8) is written back as read.
class RegDocument {
public:
    // Fails with a short reason when the text is not a REGEDIT4 file this store can keep whole.
    static std::expected<RegDocument, QString> parse(const QByteArray& bytes);

    // The keys as a reader sees them: a key listed twice is one key, a value set twice keeps
    // the later text. Paths and names keep the spelling they were first read with.
    const RegKeys& keys() const { return m_keys; }

    bool isListed(const QString& path) const;
    // Listed, or a listed key lies below it.
    bool isListedOrBelow(const QString& path) const;
    const RegKeyText::Value* value(const QString& path, const QString& name) const;

    // Lists the key at the end of the file when it is not listed yet.
    void addKey(const QString& path);
    // Sets a string value, adding the key first when it is not listed.
    void setString(const QString& path, const QString& name, const QString& text);

    QByteArray bytes() const;

private:
    // One line as read (with its own line end) and the lines added after it.
    struct Slot {
        QByteArray text;
        QList<QByteArray> added;
    };
    // A line of the file: a slot's own line (added == -1) or one added after it.
    struct Place {
        qsizetype slot = 0;
        qsizetype added = -1;
    };
    // Where a key's values are, and the line new values follow (the last line of the key's last
    // section).
    struct KeyLines {
        QHash<QString, qsizetype> valueIndex;
        QList<Place> valuePlace;
        Place last;
    };

    qsizetype indexOf(const QString& path) const;
    void listKey(const QString& path, Place place);
    void recordValue(qsizetype key, const RegKeyText::Value& value, Place place);
    Place insertAfter(Place place, const QByteArray& line);
    QByteArray& lineAt(Place place);

    QList<Slot> m_slots;
    RegKeys m_keys;
    QList<KeyLines> m_lines;
    QHash<QString, qsizetype> m_keyIndex;
    QByteArray m_lineEnd = "\n";
};

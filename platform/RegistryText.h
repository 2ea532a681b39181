#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <expected>
#include <optional>
#include <utility>

// The REGEDIT4 text form of a set of keys, as the registry store keeps it on disk:
//   REGEDIT4
//   <empty line>
//   [HKEY_CURRENT_USER\Some\Key]
//   @="default value"
//   "Name"="value with \\ and \" escaped"
// Key paths are kept with their root name and compared without regard to case.
struct RegKeyText {
    QString path; // "HKEY_CURRENT_USER\AppEvents\..."
    // Name and value; the name is empty for the default value. A value that is not a string
    // (dword:, hex:) keeps its raw text after "=" with `raw` set, so it is written back as read.
    struct Value {
        QString name;
        QString text;
        bool raw = false;
    };
    QList<Value> values;
};

using RegKeys = QList<RegKeyText>;

// Fails with a short reason when the text is not a REGEDIT4 file this store can keep whole.
// (Defined with RegDocument, which reads the file line for line.)
std::expected<RegKeys, QString> parseRegText(const QByteArray& bytes);
QByteArray renderRegText(const RegKeys& keys);

// One line of the file, without its line end and surrounding blanks. A key line is "[path]"
// under a known root; a value line is `@=` or `"name"=` and a quoted string or raw text.
std::optional<QString> parseRegKeyLine(const QString& line);
std::optional<RegKeyText::Value> parseRegValueLine(const QString& line);
QString renderRegValueLine(const RegKeyText::Value& value);

// The REGEDIT4 string escapes: backslash and double quote get a backslash before them.
QString escapeRegString(const QString& text);

// Look-ups that ignore case, as key and value names do in the registry.
RegKeyText* findRegKey(RegKeys& keys, const QString& path);
const RegKeyText::Value* findRegValue(const RegKeyText& key, const QString& name);

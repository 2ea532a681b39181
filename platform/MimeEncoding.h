#pragma once

#include <QByteArray>
#include <QString>

// Encodings for the header fields and parts of a MIME message (RFC 2045, 2047, 2231, 5322).
// Nothing a user types can end a header line: line breaks and other control characters in a
// field become blanks before it is encoded.
namespace mime {

// Free text such as a subject: printable ASCII stays as it is, anything else becomes UTF-8
// encoded-words.
QByteArray headerText(const QString& text);

// A comma-separated address list as typed. Display names with letters beyond ASCII become
// encoded-words; the addresses themselves are kept (as UTF-8 where they need it).
QByteArray addressList(const QString& list);
// Whether a list as typed names at least one address and every entry is one: the address (the
// part in angle brackets, if any) has text on both sides of an "@" and no blank. A mail
// program given "not an address" would send to some of its words.
bool isAddressList(const QString& list);

// "Name: value", folded at blanks so that lines stay within 78 characters where they can.
QByteArray headerLine(const QByteArray& name, const QByteArray& value);

// A parameter such as a file name: name="value" for printable ASCII, otherwise the RFC 2231
// form name*=UTF-8''%XX... .
QByteArray parameter(const QByteArray& name, const QString& value);

// The same value as one quoted string, encoded-words where needed (for readers that only know
// the older form of a file name).
QByteArray quotedWords(const QString& value);

// Quoted-printable body text with soft line breaks; a line never starts with a lone dot.
QByteArray quotedPrintable(const QByteArray& bytes);

// Base64 in lines of 76 characters, each ending with a newline.
QByteArray base64Lines(const QByteArray& bytes);

} // namespace mime

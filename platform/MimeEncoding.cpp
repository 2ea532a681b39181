#include "platform/MimeEncoding.h"

#include <QList>
#include <algorithm>

namespace mime {

namespace {

constexpr int kFoldWidth = 78;
constexpr int kQuotedPrintableWidth = 76;
constexpr int kBase64LineChars = 76;
// Encoded-words of 64 characters ("=?UTF-8?B?", 52 of base64, "?=") leave room for the
// field name on the first line.
constexpr int kEncodedWordBytes = 39;

QString withoutControls(const QString& text) {
    QString clean = text;
    for (QChar& c : clean) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return clean;
}

bool isPrintableAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

QByteArray encodedWords(const QString& text) {
    QList<QByteArray> words;
    QByteArray piece;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, length).toUtf8();
        i += length - 1;
        if (piece.size() + bytes.size() > kEncodedWordBytes) {
            words << piece;
            piece.clear();
        }
        piece += bytes;
    }
    if (!piece.isEmpty() || words.isEmpty())
        words << piece;
    QByteArray result;
    for (const QByteArray& word : words) {
        if (!result.isEmpty())
            result += ' ';
        result += "=?UTF-8?B?" + word.toBase64() + "?=";
    }
    return result;
}

QByteArray quotedString(const QString& text) {
    QByteArray escaped = text.toLatin1();
    escaped.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + escaped + '"';
}

QStringList splitOutsideQuotes(const QString& list) {
    QStringList parts;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QChar c = list.at(i);
        if (c == QLatin1Char('\\') && quoted && i + 1 < list.size()) {
            current += c;
            current += list.at(++i);
            continue;
        }
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(',') && !quoted) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

QByteArray mailbox(const QString& typed) {
    if (isPrintableAscii(typed))
        return typed.toLatin1();
    const qsizetype open = typed.lastIndexOf(QLatin1Char('<'));
    if (open <= 0 || !typed.endsWith(QLatin1Char('>')))
        return typed.toUtf8();
    QString phrase = typed.left(open).trimmed();
    if (phrase.size() >= 2 && phrase.startsWith(QLatin1Char('"')) &&
        phrase.endsWith(QLatin1Char('"')))
        phrase = phrase.mid(1, phrase.size() - 2);
    const QByteArray name = isPrintableAscii(phrase) ? quotedString(phrase) : encodedWords(phrase);
    return name + ' ' + typed.mid(open).toUtf8();
}

// The address of one entry: what its angle brackets hold, or the entry itself.
QString addressOf(const QString& typed) {
    const qsizetype open = typed.lastIndexOf(QLatin1Char('<'));
    if (open < 0 || !typed.endsWith(QLatin1Char('>')))
        return typed;
    return typed.mid(open + 1, typed.size() - open - 2).trimmed();
}

bool isAddress(const QString& address) {
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    return at > 0 && at < address.size() - 1 &&
           std::none_of(address.begin(), address.end(), [](QChar c) { return c.isSpace(); });
}

bool isAttributeChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArray("!#$&+-.^_`|~").contains(c);
}

} // namespace

QByteArray headerText(const QString& text) {
    const QString clean = withoutControls(text);
    if (isPrintableAscii(clean) && !clean.contains(QStringLiteral("=?")))
        return clean.toLatin1();
    return encodedWords(clean);
}

QByteArray addressList(const QString& list) {
    QByteArray result;
    for (const QString& part : splitOutsideQuotes(withoutControls(list))) {
        const QString typed = part.trimmed();
        if (typed.isEmpty())
            continue;
        if (!result.isEmpty())
            result += ", ";
        result += mailbox(typed);
    }
    return result;
}

bool isAddressList(const QString& list) {
    bool any = false;
    for (const QString& part : splitOutsideQuotes(withoutControls(list))) {
        const QString typed = part.trimmed();
        if (typed.isEmpty())
            continue;
        if (!isAddress(addressOf(typed)))
            return false;
        any = true;
    }
    return any;
}

QByteArray headerLine(const QByteArray& name, const QByteArray& value) {
    QByteArray line = name + ':';
    qsizetype lineLength = line.size();
    bool wordOnLine = false;
    for (const QByteArray& word : value.split(' ')) {
        if (lineLength + 1 + word.size() > kFoldWidth && wordOnLine) {
            line += '\n';
            lineLength = 0;
        }
        line += ' ' + word;
        lineLength += 1 + word.size();
        wordOnLine = true;
    }
    return line + '\n';
}

QByteArray parameter(const QByteArray& name, const QString& value) {
    if (isPrintableAscii(value))
        return name + '=' + quotedString(value);
    QByteArray encoded = name + "*=UTF-8''";
    for (const char c : value.toUtf8()) {
        if (isAttributeChar(c))
            encoded += c;
        else
            encoded +=
                '%' +
                QByteArray::number(static_cast<uchar>(c), 16).rightJustified(2, '0').toUpper();
    }
    return encoded;
}

QByteArray quotedWords(const QString& value) {
    const QString clean = withoutControls(value);
    return isPrintableAscii(clean) ? quotedString(clean) : '"' + encodedWords(clean) + '"';
}

QByteArray quotedPrintable(const QByteArray& bytes) {
    const auto token = [](uchar c, bool last, bool lineStart) {
        const bool literal = (c > 32 && c < 127 && c != '=' && !(c == '.' && lineStart)) ||
                             ((c == ' ' || c == '\t') && !last);
        return literal ? QByteArray(1, static_cast<char>(c))
                       : '=' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
    };
    QByteArray result;
    qsizetype lineLength = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<uchar>(bytes.at(i));
        const bool last = i + 1 == bytes.size();
        QByteArray piece = token(c, last, lineLength == 0);
        // A soft line break is "=" at the end of the line, so a line holds 75 characters.
        if (lineLength + piece.size() > kQuotedPrintableWidth - 1) {
            result += "=\n";
            lineLength = 0;
            piece = token(c, last, true);
        }
        result += piece;
        lineLength += piece.size();
    }
    return result + '\n';
}

QByteArray base64Lines(const QByteArray& bytes) {
    const QByteArray encoded = bytes.toBase64();
    QByteArray result;
    result.reserve(encoded.size() + encoded.size() / kBase64LineChars + 1);
    for (qsizetype at = 0; at < encoded.size(); at += kBase64LineChars)
        result += encoded.mid(at, kBase64LineChars) + '\n';
    return result;
}

} // namespace mime

#include "platform/NativeName.h"

#include <QFile>

namespace {

constexpr char16_t kFirstKept = 0xDC80; // the code point of byte 0x80
constexpr char16_t kLastKept = 0xDCFF;

// Bytes of the well-formed UTF-8 sequence at p (at most left bytes), 0 when none starts there.
int sequenceLength(const uchar* p, qsizetype left) {
    const uchar lead = p[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, code = lead & 0x1F, least = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, code = lead & 0x0F, least = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, code = lead & 0x07, least = 0x10000;
    if (length == 0 || left < length)
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[k] & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}

// A kept byte: a lone low surrogate of the kept range, not the second half of a pair.
bool isKeptByte(const QString& text, qsizetype i) {
    const char16_t unit = text[i].unicode();
    return unit >= kFirstKept && unit <= kLastKept && (i == 0 || !text[i - 1].isHighSurrogate());
}

} // namespace

namespace nativename {

QString decode(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    QString text;
    text.reserve(size);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < size;) {
        const int length = sequenceLength(p + i, size - i);
        if (length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
        text += QChar(char16_t(0xDC00 + p[i]));
        runStart = ++i;
    }
    text += QString::fromUtf8(bytes.constData() + runStart, size - runStart);
    return text;
}

QByteArray encode(const QString& text) {
    if (!holdsForeignBytes(text))
        return QFile::encodeName(text);
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isKeptByte(text, i))
            continue;
        bytes += QStringView(text).sliced(runStart, i - runStart).toUtf8();
        bytes += char(text[i].unicode() - 0xDC00);
        runStart = i + 1;
    }
    bytes += QStringView(text).sliced(runStart).toUtf8();
    return bytes;
}

bool holdsForeignBytes(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isKeptByte(text, i))
            return true;
    return false;
}

bool isStorableText(const QString& path) {
    return !path.contains(QChar::ReplacementCharacter) && !holdsForeignBytes(path);
}

QString shown(const QString& text) {
    if (!holdsForeignBytes(text))
        return text;
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i)
        if (isKeptByte(text, i))
            result[i] = QChar::ReplacementCharacter;
    return result;
}

} // namespace nativename

#include "lists/ListFormat.h"

#include "platform/NativeName.h"

#include <QUrl>
#include <algorithm>
#include <charconv>
#include <iterator>

void ListText::appendUtf8(QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    m_bytes.append(utf8.constData(), size_t(utf8.size()));
}

ListText& ListText::put(QLatin1StringView text) {
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii)
        m_bytes.append(text.data(), size_t(text.size()));
    else
        appendUtf8(QString(text));
    return *this;
}

ListText& ListText::put(QStringView text) {
    // Most names are plain ASCII: their bytes are their characters.
    const size_t start = m_bytes.size();
    m_bytes.resize(start + size_t(text.size()));
    char* out = m_bytes.data() + start;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            m_bytes.resize(start);
            appendUtf8(text);
            return *this;
        }
        *out++ = char(c.unicode());
    }
    return *this;
}

ListText& ListText::put(qint64 number) {
    char digits[24];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), number);
    m_bytes.append(digits, size_t(written.ptr - digits));
    return *this;
}

ListText& ListText::lines(std::initializer_list<const char*> lines) {
    for (const char* text : lines)
        line(QLatin1StringView(text));
    return *this;
}

QString fixed2(double value) {
    return QString::number(value, 'f', 2);
}

static void appendReference(QString& out, char32_t codePoint) {
    out += QLatin1StringView("&#x");
    out += QString::number(uint(codePoint), 16).toUpper();
    out += QLatin1Char(';');
}

// The entity for a character that means markup, or nothing.
static QLatin1StringView markupEntity(char32_t codePoint) {
    switch (codePoint) {
    case U'&':
        return QLatin1StringView("&amp;");
    case U'<':
        return QLatin1StringView("&lt;");
    case U'>':
        return QLatin1StringView("&gt;");
    case U'"':
        return QLatin1StringView("&quot;");
    case U'\'':
        return QLatin1StringView("&#39;");
    default:
        return {};
    }
}

static bool isPlainText(QStringView text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80 || !markupEntity(c.unicode()).isEmpty())
            return false;
    return true;
}

QString htmlText(const QString& text) {
    if (isPlainText(text))
        return text; // shared, not copied: most names are plain
    QString out;
    out.reserve(text.size() * 2);
    for (const char32_t codePoint : text.toUcs4()) {
        if (const QLatin1StringView entity = markupEntity(codePoint); !entity.isEmpty())
            out += entity;
        else if (codePoint < 0x80)
            out += QChar(char16_t(codePoint));
        else
            appendReference(out, codePoint);
    }
    return out;
}

QString linkTarget(const QString& fileName) {
    // The file system's own bytes, so that a name that is not UTF-8 links to its file too.
    return QString::fromLatin1(nativename::encode(fileName).toPercentEncoding());
}

namespace credits {

void writeCommentHead(ListText& text, QLatin1StringView version) {
    using L = QLatin1StringView;
    text.line(L("<!-- PROGRAM  : Tembrel"));
    text.put(L("VERSION   : ")).line(version);
    text.put(L("AUTHOR    : ")).line(kAuthor);
    text.put(L("E-Mail    : ")).line(kEmail);
    text.put(L("Home Page : ")).put(kHomePage).line(L("-->"));
}

QString creditLine() {
    return QLatin1StringView("Made with <A HREF=\"") + kHomePage +
           QLatin1StringView("\">Tembrel</A>, a keeper of sound collections");
}

} // namespace credits

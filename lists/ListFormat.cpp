#include "lists/ListFormat.h"

#include <QUrl>

ListText& ListText::line(const QString& text) {
    put(text);
    m_bytes.append("\r\n", 2);
    return *this;
}

ListText& ListText::line(QLatin1StringView text) {
    m_bytes.append(text.data(), text.size());
    m_bytes.append("\r\n", 2);
    return *this;
}

ListText& ListText::put(const QString& text) {
    m_bytes.append(text.toUtf8());
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

QString htmlText(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4()) {
        switch (codePoint) {
        case U'&':
            out += QLatin1StringView("&amp;");
            break;
        case U'<':
            out += QLatin1StringView("&lt;");
            break;
        case U'>':
            out += QLatin1StringView("&gt;");
            break;
        case U'"':
            out += QLatin1StringView("&quot;");
            break;
        case U'\'':
            out += QLatin1StringView("&#39;");
            break;
        default:
            if (codePoint < 0x80)
                out += QChar(char16_t(codePoint));
            else
                appendReference(out, codePoint);
        }
    }
    return out;
}

QString linkTarget(const QString& fileName) {
    return QString::fromLatin1(QUrl::toPercentEncoding(fileName));
}

namespace credits {

void writeCommentHead(ListText& text, QLatin1StringView version) {
    text.line(QLatin1StringView("<!-- PROGRAM  : Tembrel"));
    text.line(QLatin1StringView("VERSION   : ") + version);
    text.line(QLatin1StringView("AUTHOR    : ") + kAuthor);
    text.line(QLatin1StringView("E-Mail    : ") + kEmail);
    text.line(QLatin1StringView("Home Page : ") + kHomePage + QLatin1StringView("-->"));
}

QString creditLine() {
    return QLatin1StringView("Made with <A HREF=\"") + kHomePage +
           QLatin1StringView("\">Tembrel</A>, a keeper of sound collections");
}

} // namespace credits

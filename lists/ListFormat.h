#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <string>
#include <string_view>

// Text of a list file, put together piece by piece; its bytes are UTF-8 and every line ends
// with CR LF. The bytes are built as the pieces come, with no whole-text conversion at the end.
class ListText {
public:
    // Text without a line end.
    ListText& put(QLatin1StringView text);
    ListText& put(QStringView text);
    ListText& put(qint64 number);
    // Text and a line end.
    ListText& line(QLatin1StringView text = {}) { return put(text).put(kLineEnd); }
    ListText& line(QStringView text) { return put(text).put(kLineEnd); }
    // The same line end after each of lines.
    ListText& lines(std::initializer_list<const char*> lines);

    QByteArray bytes() const { return QByteArray(m_bytes.data(), qsizetype(m_bytes.size())); }
    void reserve(qsizetype size) { m_bytes.reserve(size_t(size)); }
    // For passing the text on in parts: the bytes so far, and forgetting them.
    std::string_view view() const { return m_bytes; }
    void clear() { m_bytes.clear(); }

private:
    void appendUtf8(QStringView text);

    static constexpr QLatin1StringView kLineEnd{"\r\n"};
    // A plain string: a list appends many short pieces, and each append is a bare copy.
    std::string m_bytes;
};

// "%.2f" of kilobytes and play times.
QString fixed2(double value);

// Text as it must appear in an HTML page: markup characters and every character outside
// ASCII become references, so a name shows as itself whatever encoding the browser assumes.
QString htmlText(const QString& text);
// A relative link to a file in the page's folder: the file name, percent-encoded.
QString linkTarget(const QString& fileName);

// Who wrote the program, for the comment heads and credit lines of the pages.
namespace credits {
inline constexpr QLatin1StringView kAuthor{"The Tembrel developers"};
inline constexpr QLatin1StringView kEmail{"tembrel@example.org"};
inline constexpr QLatin1StringView kHomePage{"https://tembrel.example.org/"};

// The comment head of a page: program, version, author, e-mail and home page.
void writeCommentHead(ListText& text, QLatin1StringView version);
// One line linking the program's name to its home page.
QString creditLine();
} // namespace credits

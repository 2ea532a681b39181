#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Text of a list file, line by line: UTF-8, every line ended by CR LF.
class ListText {
public:
    ListText& line(const QString& text = {});
    ListText& line(QLatin1StringView text);
    // Text without a line end.
    ListText& put(const QString& text);
    QByteArray bytes() const { return m_bytes; }
    void reserve(qsizetype size) { m_bytes.reserve(size); }

private:
    QByteArray m_bytes;
};

// "%.2f" of kilobytes and play times.
QString fixed2(double value);

// Text as it must appear in an HTML page: markup characters and every character outside
// ASCII become references, so a name shows as itself whatever encoding the browser assumes.
QString htmlText(QStringView text);
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

#include "lists/HtmlList.h"

#include "lists/ListFormat.h"

namespace {

using L = QLatin1StringView;

void writeHead(ListText& text, const QString& folder) {
    credits::writeCommentHead(text, L("1.65"));
    text.line(L("<HTML>"));
    text.line(L("<HEAD><TITLE>Tembrel's File List</TITLE></HEAD>"));
    text.line(L("<BODY BGCOLOR=\"#0000A0\" TEXT=\"#FFFFFF\" LINK=\"#FFFF80\" ALINK=\"123456\" "
                "VLINK=\"#C0C0C0\""));
    text.line(L("LEFTMARGIN=10>"));
    text.line(L("<FONT FACE=\"arial\" SIZE=\"3\">"));
    text.line(L("<CENTER>"));
    text.line(L("<a name=\"top\">"));
    text.line(L("<H2>File list</H2>"));
    text.line(L("</CENTER>"));
    text.line(L("<BR>"));
    text.line(L("<FONT FACE=\"arial\" SIZE=\"2\">"));
    text.line(L("<P><H3>") + htmlText(folder) + L("</H3><BR>"));
    text.line(L("<TABLE BORDER=0>"));
    text.line(L("<TR VALIGN=TOP>"));
    text.line(L("<TD>"));
    text.line(L("<FONT FACE=\"arial\" SIZE=\"2\">"));
    text.line(L("<UL>"));
}

QString entryLine(const ListEntry& entry) {
    const QString fileName = entry.name + L(".wav");
    return L("<LI><A HREF=\"") + linkTarget(fileName) + L("\">") + htmlText(fileName) +
           L("</A> <I>") + QString::number(entry.size) + L(" bytes (") + fixed2(entry.kilobytes()) +
           L(" KB), ") + fixed2(entry.playTime()) + L(" sec, ") +
           htmlText(entry.info.channelsText) + L("</I></LI>");
}

// The second cell holds only an empty definition-list block, and the table closes without
// closing its row or that cell: browsers accept it, and the page has always looked so.
void writeTail(ListText& text) {
    for (const char* line :
         {"</UL>", "</FONT>", "</TD>", "<TD>", "<FONT FACE=\"courier\" SIZE=\"2\">",
          "<DL><DL><DL><DL>", "<BR>", "</DL></DL></DL></DL>", "</TABLE>", "<BR><BR><BR>", "",
          "<HR>", "<FONT FACE=\"times\" SIZE=1>"})
        text.line(L(line));
    text.line(credits::creditLine());
    for (const char* line : {"<BR>", "</FONT>", "</BODY>", "</HTML>"})
        text.line(L(line));
}

} // namespace

QByteArray writeHtmlList(const QString& folder, const ListEntries& list) {
    ListText text;
    text.reserve(1200 + qsizetype(list.entries.size()) * 120);
    writeHead(text, folder);
    for (const ListEntry& entry : list.entries)
        text.line(entryLine(entry));
    writeTail(text);
    return text.bytes();
}

#include "lists/WebPage.h"

#include "lists/ListFormat.h"

namespace {

using L = QLatin1StringView;

void writeHead(ListText& text, const QString& folder) {
    credits::writeCommentHead(text, L("1.8"));
    text.line(L("<HTML>"));
    text.line(L("<HEAD><TITLE>Index</TITLE></HEAD>"));
    text.line(L("<BODY BGCOLOR=\"FFFFFF\" TEXT=\"000000\" LINK=\"0000FF\" ALINK=\"123456\" "
                "VLINK=\"804000\" TOPMARGIN=0 LEFTMARGIN=0>"));
    text.line(L("<FONT FACE=\"arial\" SIZE=\"-1\">"));
    text.line(L("<h2 align=\"center\"><a href=\"") + credits::kHomePage + L("\">") +
              L("<img src=\"Tembrel.gif\" border=\"0\" width=\"336\" height=\"60\">") +
              L("</a></h2>"));
    text.line(L("<a name=\"top\">"));
    text.line(L("<CENTER>"));
    text.line(L("<H2>Index of</H2>"));
    text.line(L("<BR><BR>"));
    text.line(L("<H2>") + htmlText(folder) + L("</H2><BR><BR>"));
    text.line();
    text.line(L("<TABLE WIDTH=95% BGCOLOR=\"#00cccc\" CELLSPACING=\"4\" CELLPADDING=\"5\">"));
}

void writeEntry(ListText& text, const ListEntry& entry) {
    const QString name = htmlText(entry.name);
    text.line(L("<TR BGCOLOR=\"#00cccc\">")).line(L("<TD ALIGN=LEFT>"));
    text.line(L("<FONT FACE=\"arial\" SIZE=4>"));
    text.line(L("<B><img src=\"wav_file.gif\" width=\"32\" height=\"32\"> ") + name + L("</B>"));
    text.line(L("</TD>")).line(L("</TR>"));
    text.line(L("<TR BGCOLOR=\"#ccffff\">")).line(L("<TD ALIGN=LEFT>"));
    text.line(L("<FONT FACE=\"arial\" SIZE=2>")).line(L("<UL>"));
    text.line(L("<LI><B> Download <A HREF=\"") + linkTarget(entry.name + L(".wav")) + L("\">") +
              name + L("</A> </B>"));
    text.line(L("<LI><B> Size: ") + QString::number(entry.size) + L(" bytes (") +
              fixed2(entry.kilobytes()) + L(" KB)</B><BR>"));
    text.line(L("<LI><B> Play time: ") + fixed2(entry.playTime()) + L(" sec </B><BR>"));
    text.line(L("<LI><B> Format: ") + htmlText(entry.info.channelsText) + L(" </B><BR>"));
    for (const char* line : {"<FONT FACE=\"courier\" SIZE=2>", "<DL><DL><DL><DL>", "<TT> <BR>",
                             "</TT><BR>", "</DL></DL></DL></DL>", "</UL>", "</TD>", "</TR>"})
        text.line(L(line));
}

void writeTail(ListText& text) {
    for (const char* line : {"</TABLE>", "<P>", "<A HREF=\"#top\">[Top]</A>", "<P>", "", "<BR><BR>",
                             "<FONT FACE=\"times\" SIZE=1>"})
        text.line(L(line));
    text.line(credits::creditLine());
    for (const char* line : {"<BR>", "</FONT>", "</CENTER>", "</BODY>", "</HTML>"})
        text.line(L(line));
}

} // namespace

QByteArray writeWebPage(const QString& folder, const ListEntries& list) {
    ListText text;
    text.reserve(1500 + qsizetype(list.entries.size()) * 700);
    writeHead(text, folder);
    for (const ListEntry& entry : list.entries)
        writeEntry(text, entry);
    writeTail(text);
    return text.bytes();
}

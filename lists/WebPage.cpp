#include "lists/WebPage.h"

#include "lists/ListFormat.h"

namespace {

using L = QLatin1StringView;

void writeHead(ListText& text, const QString& folder) {
    credits::writeCommentHead(text, L("1.8"));
    text.lines({"<HTML>", "<HEAD><TITLE>Index</TITLE></HEAD>",
                "<BODY BGCOLOR=\"FFFFFF\" TEXT=\"000000\" LINK=\"0000FF\" ALINK=\"123456\" "
                "VLINK=\"804000\" TOPMARGIN=0 LEFTMARGIN=0>",
                "<FONT FACE=\"arial\" SIZE=\"-1\">"});
    text.put(L("<h2 align=\"center\"><a href=\"")).put(credits::kHomePage).put(L("\">"));
    text.put(L("<img src=\"Tembrel.gif\" border=\"0\" width=\"336\" height=\"60\">"));
    text.line(L("</a></h2>"));
    text.lines({"<a name=\"top\">", "<CENTER>", "<H2>Index of</H2>", "<BR><BR>"});
    text.put(L("<H2>")).put(htmlText(folder)).line(L("</H2><BR><BR>"));
    text.lines({"", "<TABLE WIDTH=95% BGCOLOR=\"#00cccc\" CELLSPACING=\"4\" CELLPADDING=\"5\">"});
}

void writeEntry(ListText& text, const ListEntry& entry) {
    const QString name = htmlText(entry.name);
    text.lines({"<TR BGCOLOR=\"#00cccc\">", "<TD ALIGN=LEFT>", "<FONT FACE=\"arial\" SIZE=4>"});
    text.put(L("<B><img src=\"wav_file.gif\" width=\"32\" height=\"32\"> ")).put(name);
    text.line(L("</B>"));
    text.lines({"</TD>", "</TR>", "<TR BGCOLOR=\"#ccffff\">", "<TD ALIGN=LEFT>",
                "<FONT FACE=\"arial\" SIZE=2>", "<UL>"});
    text.put(L("<LI><B> Download <A HREF=\"")).put(linkTarget(entry.fileName));
    text.put(L("\">")).put(name).line(L("</A> </B>"));
    text.put(L("<LI><B> Size: ")).put(entry.size).put(L(" bytes ("));
    text.put(fixed2(entry.kilobytes())).line(L(" KB)</B><BR>"));
    text.put(L("<LI><B> Play time: ")).put(fixed2(entry.playTime())).line(L(" sec </B><BR>"));
    text.put(L("<LI><B> Format: ")).put(htmlText(entry.info.channelsText));
    text.line(L(" </B><BR>"));
    text.lines({"<FONT FACE=\"courier\" SIZE=2>", "<DL><DL><DL><DL>", "<TT> <BR>", "</TT><BR>",
                "</DL></DL></DL></DL>", "</UL>", "</TD>", "</TR>"});
}

void writeTail(ListText& text, int) {
    text.lines({"</TABLE>", "<P>", "<A HREF=\"#top\">[Top]</A>", "<P>", "", "<BR><BR>",
                "<FONT FACE=\"times\" SIZE=1>"});
    text.line(credits::creditLine());
    text.lines({"<BR>", "</FONT>", "</CENTER>", "</BODY>", "</HTML>"});
}

} // namespace

const ListLayout& webPageLayout() {
    static const ListLayout layout{writeHead, writeEntry, writeTail};
    return layout;
}

QByteArray writeWebPage(const QString& folder, const ListEntries& list) {
    return writeList(webPageLayout(), folder, list);
}

bool isOwnWebPage(const QByteArray& page) {
    ListText head;
    writeHead(head, QString());
    // Up to the folder's name, the head is the same on every page this program writes.
    const QByteArray fixed = head.bytes();
    const qsizetype folderAt = fixed.indexOf("<H2>Index of</H2>");
    return folderAt > 0 && page.startsWith(fixed.left(folderAt));
}

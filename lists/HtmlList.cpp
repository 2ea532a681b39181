#include "lists/HtmlList.h"

#include "core/BrowserView.h"
#include "lists/ListFormat.h"

namespace {

using L = QLatin1StringView;

void writeHead(ListText& text, const QString& folder) {
    credits::writeCommentHead(text, L("1.65"));
    text.lines({"<HTML>", "<HEAD><TITLE>Tembrel's File List</TITLE></HEAD>",
                "<BODY BGCOLOR=\"#0000A0\" TEXT=\"#FFFFFF\" LINK=\"#FFFF80\" ALINK=\"123456\" "
                "VLINK=\"#C0C0C0\"",
                "LEFTMARGIN=10>", "<FONT FACE=\"arial\" SIZE=\"3\">", "<CENTER>",
                "<a name=\"top\">", "<H2>File list</H2>", "</CENTER>", "<BR>",
                "<FONT FACE=\"arial\" SIZE=\"2\">"});
    text.put(L("<P><H3>")).put(htmlText(folder)).line(L("</H3><BR>"));
    text.lines({"<TABLE BORDER=0>", "<TR VALIGN=TOP>", "<TD>", "<FONT FACE=\"arial\" SIZE=\"2\">",
                "<UL>"});
}

void writeEntry(ListText& text, const ListEntry& entry) {
    text.put(L("<LI><A HREF=\"")).put(linkTarget(entry.fileName)).put(L("\">"));
    text.put(htmlText(soundFileText(entry.name, entry.fileName)))
        .put(L("</A> <I>"))
        .put(entry.size)
        .put(L(" bytes ("));
    text.put(fixed2(entry.kilobytes())).put(L(" KB), ")).put(fixed2(entry.playTime()));
    text.put(L(" sec, ")).put(htmlText(entry.info.channelsText)).line(L("</I></LI>"));
}

// The second cell holds only an empty definition-list block, and the table closes without
// closing its row or that cell: browsers accept it, and the page has always looked so.
void writeTail(ListText& text, int) {
    text.lines({"</UL>", "</FONT>", "</TD>", "<TD>", "<FONT FACE=\"courier\" SIZE=\"2\">",
                "<DL><DL><DL><DL>", "<BR>", "</DL></DL></DL></DL>", "</TABLE>", "<BR><BR><BR>", "",
                "<HR>", "<FONT FACE=\"times\" SIZE=1>"});
    text.line(credits::creditLine());
    text.lines({"<BR>", "</FONT>", "</BODY>", "</HTML>"});
}

} // namespace

const ListLayout& htmlListLayout() {
    static const ListLayout layout{writeHead, writeEntry, writeTail};
    return layout;
}

QByteArray writeHtmlList(const QString& folder, const ListEntries& list) {
    return writeList(htmlListLayout(), folder, list);
}

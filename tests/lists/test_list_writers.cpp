// The three writers against exact bytes, from hand-made entries.
#include "lists/HtmlList.h"
#include "lists/TextList.h"
#include "lists/WebPage.h"
#include "tests/lists/ListLines.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

WaveInfo mono22k() {
    WaveInfo info;
    info.formatTag = 1;
    info.channels = 1;
    info.samplesPerSecond = 22050;
    info.avgBytesPerSecond = 22050;
    info.blockAlign = 1;
    info.bitsPerSample = 8;
    info.channelsText = "Mono";
    info.formatText = "PCM";
    return info;
}

// Bell: 22050 bytes of samples after a 44-byte header; the second listed sound is missing.
ListEntries bellAndAMissingSound() {
    ListEntries list;
    list.entries.push_back({1, "Bell", "Bell.wav", 22094, mono22k()});
    list.itemCount = 2;
    return list;
}

QByteArray htmlHead(const char* folderLine) {
    return crlfLines({"<!-- PROGRAM  : Tembrel",
                      "VERSION   : 1.65",
                      "AUTHOR    : The Tembrel developers",
                      "E-Mail    : tembrel@example.org",
                      "Home Page : https://tembrel.example.org/-->",
                      "<HTML>",
                      "<HEAD><TITLE>Tembrel's File List</TITLE></HEAD>",
                      "<BODY BGCOLOR=\"#0000A0\" TEXT=\"#FFFFFF\" LINK=\"#FFFF80\" "
                      "ALINK=\"123456\" VLINK=\"#C0C0C0\"",
                      "LEFTMARGIN=10>",
                      "<FONT FACE=\"arial\" SIZE=\"3\">",
                      "<CENTER>",
                      "<a name=\"top\">",
                      "<H2>File list</H2>",
                      "</CENTER>",
                      "<BR>",
                      "<FONT FACE=\"arial\" SIZE=\"2\">",
                      folderLine,
                      "<TABLE BORDER=0>",
                      "<TR VALIGN=TOP>",
                      "<TD>",
                      "<FONT FACE=\"arial\" SIZE=\"2\">",
                      "<UL>"});
}

const QByteArray kHtmlTail =
    crlfLines({"</UL>", "</FONT>", "</TD>", "<TD>", "<FONT FACE=\"courier\" SIZE=\"2\">",
               "<DL><DL><DL><DL>", "<BR>", "</DL></DL></DL></DL>", "</TABLE>", "<BR><BR><BR>", "",
               "<HR>", "<FONT FACE=\"times\" SIZE=1>",
               "Made with <A HREF=\"https://tembrel.example.org/\">Tembrel</A>, a keeper of sound "
               "collections",
               "<BR>", "</FONT>", "</BODY>", "</HTML>"});

QByteArray webHead(const char* folderLine) {
    return crlfLines(
        {"<!-- PROGRAM  : Tembrel", "VERSION   : 1.8", "AUTHOR    : The Tembrel developers",
         "E-Mail    : tembrel@example.org", "Home Page : https://tembrel.example.org/-->", "<HTML>",
         "<HEAD><TITLE>Index</TITLE></HEAD>",
         "<BODY BGCOLOR=\"FFFFFF\" TEXT=\"000000\" LINK=\"0000FF\" ALINK=\"123456\" "
         "VLINK=\"804000\" TOPMARGIN=0 LEFTMARGIN=0>",
         "<FONT FACE=\"arial\" SIZE=\"-1\">",
         "<h2 align=\"center\"><a href=\"https://tembrel.example.org/\"><img src=\"Tembrel.gif\" "
         "border=\"0\" width=\"336\" height=\"60\"></a></h2>",
         "<a name=\"top\">", "<CENTER>", "<H2>Index of</H2>", "<BR><BR>", folderLine, "",
         "<TABLE WIDTH=95% BGCOLOR=\"#00cccc\" CELLSPACING=\"4\" CELLPADDING=\"5\">"});
}

const QByteArray kWebTail =
    crlfLines({"</TABLE>", "<P>", "<A HREF=\"#top\">[Top]</A>", "<P>", "", "<BR><BR>",
               "<FONT FACE=\"times\" SIZE=1>",
               "Made with <A HREF=\"https://tembrel.example.org/\">Tembrel</A>, a keeper of sound "
               "collections",
               "<BR>", "</FONT>", "</CENTER>", "</BODY>", "</HTML>"});

TEST(TextList, FramesTheFolderInUtf8AndCountsEveryListedNameMissingFilesToo) {
    const QByteArray expected = kHyphens + "\r\n-  Tembrel Files List  -\r\n" + kHyphens + "\r\n" +
                                kBlanks + "\r\nDirectory of /srv/Kl\xC3\xA4nge\r\n" + kBlanks +
                                "\r\n1. Bell....22094 bytes (21.58 KB)....1.00 sec....Mono\r\n" +
                                kBlanks + "\r\n" + kHyphens + "\r\n  2 files";
    EXPECT_EQ(writeTextList(QString::fromUtf8("/srv/Klänge"), bellAndAMissingSound()), expected);
}

TEST(TextList, AnEmptyListHasTheFrameAndACountOfNothing) {
    const QByteArray expected = kHyphens + "\r\n-  Tembrel Files List  -\r\n" + kHyphens + "\r\n" +
                                kBlanks + "\r\nDirectory of /srv/Sounds\r\n" + kBlanks + "\r\n" +
                                kBlanks + "\r\n" + kHyphens + "\r\n  0 files";
    EXPECT_EQ(writeTextList("/srv/Sounds", {}), expected);
}

TEST(HtmlList, WritesTheWholePageWithEscapedNamesAndPercentEncodedLinks) {
    ListEntries list;
    list.entries.push_back({1, "<b>a&b</b> \"x\"", "<b>a&b</b> \"x\".wav", 22094, mono22k()});
    // A file whose extension is in capitals is shown as ".wav" but linked as it is spelled.
    list.entries.push_back(
        {3, QString::fromUtf8("Café ♪"), QString::fromUtf8("Café ♪.WAV"), 11069, mono22k()});
    list.itemCount = 3;
    const QByteArray expected =
        htmlHead("<P><H3>/srv/Tom &amp; Jerry&#39;s &lt;Sounds&gt;</H3><BR>") +
        crlfLines({"<LI><A HREF=\"%3Cb%3Ea%26b%3C%2Fb%3E%20%22x%22.wav\">"
                   "&lt;b&gt;a&amp;b&lt;/b&gt; &quot;x&quot;.wav</A> "
                   "<I>22094 bytes (21.58 KB), 1.00 sec, Mono</I></LI>",
                   "<LI><A HREF=\"Caf%C3%A9%20%E2%99%AA.WAV\">Caf&#xE9; &#x266A;.wav</A> "
                   "<I>11069 bytes (10.81 KB), 0.50 sec, Mono</I></LI>"}) +
        kHtmlTail;
    EXPECT_EQ(writeHtmlList("/srv/Tom & Jerry's <Sounds>", list), expected);
}

TEST(HtmlList, AnEmptyListGivesHeadAndTailAroundAnEmptyBulletList) {
    EXPECT_EQ(writeHtmlList("/srv/Sounds", {}),
              htmlHead("<P><H3>/srv/Sounds</H3><BR>") + kHtmlTail);
}

TEST(WebPage, WritesTheWholePageWithEscapedNamesAndPercentEncodedLinks) {
    ListEntries list;
    list.entries.push_back({2, "<script>alert(1)</script> & co",
                            "<script>alert(1)</script> & co.wav", 22094, mono22k()});
    list.itemCount = 2;
    const QByteArray expected =
        webHead("<H2>/srv/Sounds</H2><BR><BR>") +
        crlfLines({"<TR BGCOLOR=\"#00cccc\">",
                   "<TD ALIGN=LEFT>",
                   "<FONT FACE=\"arial\" SIZE=4>",
                   "<B><img src=\"wav_file.gif\" width=\"32\" height=\"32\"> "
                   "&lt;script&gt;alert(1)&lt;/script&gt; &amp; co</B>",
                   "</TD>",
                   "</TR>",
                   "<TR BGCOLOR=\"#ccffff\">",
                   "<TD ALIGN=LEFT>",
                   "<FONT FACE=\"arial\" SIZE=2>",
                   "<UL>",
                   "<LI><B> Download "
                   "<A HREF=\"%3Cscript%3Ealert%281%29%3C%2Fscript%3E%20%26%20co.wav\">"
                   "&lt;script&gt;alert(1)&lt;/script&gt; &amp; co</A> </B>",
                   "<LI><B> Size: 22094 bytes (21.58 KB)</B><BR>",
                   "<LI><B> Play time: 1.00 sec </B><BR>",
                   "<LI><B> Format: Mono </B><BR>",
                   "<FONT FACE=\"courier\" SIZE=2>",
                   "<DL><DL><DL><DL>",
                   "<TT> <BR>",
                   "</TT><BR>",
                   "</DL></DL></DL></DL>",
                   "</UL>",
                   "</TD>",
                   "</TR>"}) +
        kWebTail;
    EXPECT_EQ(writeWebPage("/srv/Sounds", list), expected);
}

TEST(WebPage, AnEmptyListGivesHeadAnEmptyTableAndTail) {
    EXPECT_EQ(writeWebPage(QString::fromUtf8("/srv/Müll"), {}),
              webHead("<H2>/srv/M&#xFC;ll</H2><BR><BR>") + kWebTail);
}

} // namespace

// The three "Save File List" commands of the main window, driven as the user drives them.
#include "core/CommandIds.h"
#include "lists/CommandLineExport.h"
#include "platform/ProgramDirectory.h"
#include "tests/browser/MainWindowFixture.h"
#include "tests/lists/ListLines.h"
#include "tests/support/FakeFileSystem.h"
#include "widgets/NameCollator.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ListCommands : public MainWindowFixture {
protected:
    // The window reaches files through fakeFiles instead of the plain file system.
    void useFakeFiles() {
        services.reset(new Services{ui, playback, sounds, fakeFiles, launcher, desktop,
                                    [] { return std::unique_ptr<IRecordingDevice>(); },
                                    program.path()});
    }
    QString inLibrary(const QString& name) const { return program.library() + "/" + name; }
    QStringList libraryFiles() const {
        return QDir(program.library()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    FakeFileSystem fakeFiles;
};

struct Questions {
    int id;
    const char* fileName;
    const char* create;
    const char* open;
    const char* openCaption;
};

const Questions kLists[] = {
    {cmd::TextList, "FilesList.txt",
     "Are you sure you want to make list of files in current directory?",
     "List was saved as file 'FilesList.txt'.\nDo you want to read it now?", "Confirm to read"},
    {cmd::HtmlList, "FilesList.htm",
     "Are you sure you want to create HTML file with list of files in current directory?",
     "List was saved as file 'FilesList.htm'.\nDo you want to read it now?", "Confirm to read"},
    {cmd::WebPage, "index.html",
     "Are you sure you want to create WEB style index with list of files in current directory?",
     "List was saved as Web style page 'index.html'.\nDo you want to open it now?",
     "Confirm to open"},
};

TEST_F(ListCommands, CancellingTheFirstQuestionWritesAndCopiesNothingAndAsksNothingMore) {
    addSound("Bell");
    program.makeFolder("Bin/Images");
    program.writeFile(program.path() + "Bin/Images/Tembrel.gif", "GIF89a");
    CTembrelDlg& w = window();
    for (const Questions& list : kLists) {
        ui.clear();
        ui.answer(MsgResult::Cancel);
        w.onCommand(list.id);
        ASSERT_EQ(ui.calls().size(), 1u) << list.fileName;
        EXPECT_EQ(ui.calls()[0].text, list.create);
        EXPECT_EQ(ui.calls()[0].caption, "Confirm to create");
        EXPECT_EQ(ui.calls()[0].buttons, MsgButtons::OkCancel);
        EXPECT_EQ(libraryFiles(), QStringList{"Bell.wav"});
    }
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(ListCommands, TheTextListReplacesAnOlderOneCompletely) {
    addSound("Bell");
    program.writeFile(inLibrary("FilesList.txt"), QByteArray(10000, 'x'));
    CTembrelDlg& w = window();
    ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
    w.onCommand(cmd::TextList);
    const QByteArray expected = kHyphens + "\r\n-  Tembrel Files List  -\r\n" + kHyphens + "\r\n" +
                                kBlanks + "\r\nDirectory of " + program.library().toUtf8() +
                                "\r\n" + kBlanks +
                                "\r\n1. Bell....22094 bytes (21.58 KB)....1.00 sec....Mono\r\n" +
                                kBlanks + "\r\n" + kHyphens + "\r\n  1 files";
    EXPECT_EQ(contents(inLibrary("FilesList.txt")), expected);
    EXPECT_TRUE(desktop.opened.isEmpty()) << "cancelling the offer leaves the file alone";
}

TEST_F(ListCommands, EachListOffersToOpenTheFileItWrote) {
    addSound("Bell");
    CTembrelDlg& w = window();
    for (const Questions& list : kLists) {
        ui.clear();
        desktop.opened.clear();
        ui.answer(MsgResult::Ok).answer(MsgResult::Ok);
        w.onCommand(list.id);
        ASSERT_EQ(ui.calls().size(), 2u) << list.fileName;
        EXPECT_EQ(ui.calls()[1].text, list.open);
        EXPECT_EQ(ui.calls()[1].caption, list.openCaption);
        EXPECT_EQ(ui.calls()[1].buttons, MsgButtons::OkCancel);
        EXPECT_EQ(desktop.opened, QStringList{inLibrary(list.fileName)});
        EXPECT_TRUE(contents(inLibrary(list.fileName)).contains("Bell"));
    }
}

TEST_F(ListCommands, TheWebPageCopiesItsImagesEvenForAnEmptyFolder) {
    program.makeFolder("Bin/Images");
    program.writeFile(program.path() + "Bin/Images/wav_file.gif", "GIF89a icon");
    program.writeFile(program.path() + "Bin/Images/Tembrel.gif", "GIF89a banner");
    CTembrelDlg& w = window();
    ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
    w.onCommand(cmd::WebPage);
    EXPECT_EQ(contents(inLibrary("wav_file.gif")), "GIF89a icon");
    EXPECT_EQ(contents(inLibrary("Tembrel.gif")), "GIF89a banner");
    EXPECT_TRUE(contents(inLibrary("index.html")).contains("CELLPADDING=\"5\">\r\n</TABLE>\r\n"));
}

TEST_F(ListCommands, AWebPageEntryThatCannotBeReadEndsTheListWithAMessageNamingIt) {
    for (const char* name : {"A", "B", "C & <D>", "E", "F"})
        addSound(name);
    fakeFiles.unreadable << inLibrary("C & <D>.wav");
    useFakeFiles();
    CTembrelDlg& w = window();
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok);
    w.onCommand(cmd::WebPage);
    ASSERT_EQ(ui.calls().size(), 2u) << "no offer to open an incomplete page";
    EXPECT_EQ(ui.calls()[1].text, "There is the problem with some file names\nand HTML "
                                  "tags.Try to rename file C & <D>");
    EXPECT_EQ(ui.calls()[1].caption, ui.appTitle());
    EXPECT_EQ(ui.calls()[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(ui.calls()[1].icon, MsgIcon::Exclamation);
    const QByteArray page = contents(inLibrary("index.html"));
    EXPECT_EQ(page.count("<TR BGCOLOR=\"#00cccc\">"), 2);
    EXPECT_TRUE(page.contains("> B</B>"));
    EXPECT_TRUE(page.endsWith("</CENTER>\r\n</BODY>\r\n</HTML>\r\n"));
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(ListCommands, TheWebPageAsksBeforeReplacingAPageOrImageItDidNotWrite) {
    addSound("Bell");
    program.makeFolder("Bin/Images");
    program.writeFile(program.path() + "Bin/Images/Tembrel.gif", "GIF89a banner");
    program.writeFile(inLibrary("index.html"), "<html>my own page</html>");
    CTembrelDlg& w = window();
    ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
    w.onCommand(cmd::WebPage);
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].text, "The file '" + inLibrary("index.html") +
                                      "' was not made by this program.\nDo you want to "
                                      "replace it?");
    EXPECT_EQ(ui.calls()[1].caption, "Confirm to replace file");
    EXPECT_EQ(ui.calls()[1].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(contents(inLibrary("index.html")), "<html>my own page</html>");
    EXPECT_FALSE(QFile::exists(inLibrary("Tembrel.gif"))) << "nothing copied either";

    ui.clear();
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok).answer(MsgResult::Cancel);
    w.onCommand(cmd::WebPage); // replaced when the user says so
    EXPECT_TRUE(contents(inLibrary("index.html")).contains("Bell"));
    ui.clear();
    ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
    w.onCommand(cmd::WebPage); // the program's own page goes without a question
    EXPECT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].caption, "Confirm to open");

    program.writeFile(inLibrary("Tembrel.gif"), "GIF89a the user's picture");
    ui.clear();
    ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
    w.onCommand(cmd::WebPage);
    EXPECT_TRUE(ui.calls()[1].text.startsWith("The file '" + inLibrary("Tembrel.gif") + "'"));
    EXPECT_EQ(contents(inLibrary("Tembrel.gif")), "GIF89a the user's picture");
}

TEST_F(ListCommands, AListThatCannotBeWrittenSaysSoAndLeavesNothingBehind) {
    addSound("Bell");
    program.makeFolder("Library/FilesList.htm"); // a folder where the page should go
    program.writeFile(inLibrary("FilesList.htm/keep"), "x");
    const QStringList before = libraryFiles();
    CTembrelDlg& w = window();
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok);
    w.onCommand(cmd::HtmlList);
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].text, "The list could not be saved as file '" +
                                      inLibrary("FilesList.htm") +
                                      "'.\nCheck that the folder still exists and that you "
                                      "may write to it.");
    EXPECT_EQ(ui.calls()[1].caption, "Error");
    EXPECT_EQ(ui.calls()[1].icon, MsgIcon::Stop);
    EXPECT_EQ(libraryFiles(), before) << "no temporary file is left";
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(ListCommands, TheBusyCursorShowsWhileTheFilesAreRead) {
    addSound("Bell");
    useFakeFiles();
    CTembrelDlg& w = window();
    QList<Qt::CursorShape> shapes;
    fakeFiles.onFileSize = [&] {
        const QCursor* cursor = QApplication::overrideCursor();
        shapes << (cursor ? cursor->shape() : Qt::BlankCursor);
    };
    ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
    w.onCommand(cmd::TextList);
    EXPECT_EQ(shapes, QList<Qt::CursorShape>{w.busyCursor().shape()});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ListCommands, TheCommandLineWritesTheSameFilesAsTheMenu) {
    for (const char* name : {"zebra", "Apple", "a.b", "Äpfel", "banana", "B&B <x>", "Ünter"})
        addSound(QString::fromUtf8(name));
    CTembrelDlg& w = window();
    ExportServices tools{
        files,     playback,
        sounds,    program.path(),
        "tembrel", [](const QStringList& names) { return NameCollator().order(names); }};
    for (const Questions& list : kLists) {
        ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
        w.onCommand(list.id);
        const QByteArray fromMenu = contents(inLibrary(list.fileName));
        QString errors;
        QTextStream errorStream(&errors);
        const ListKind kind = list.id == cmd::TextList   ? ListKind::Text
                              : list.id == cmd::HtmlList ? ListKind::Html
                                                         : ListKind::Web;
        EXPECT_EQ(exportListFromCommandLine(kind, program.library(), false, tools, errorStream), 0);
        EXPECT_EQ(errors, "");
        EXPECT_EQ(contents(inLibrary(list.fileName)), fromMenu) << list.fileName;
    }
}

} // namespace

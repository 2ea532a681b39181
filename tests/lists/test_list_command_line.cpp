// "--help" and "--export": the parsing, the export's exit codes, and the real program run
// without any display.
#include "app/CommandLine.h"
#include "lists/CommandLineExport.h"
#include "platform/ProgramDirectory.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempProgramDir.h"
#include "tests/support/WavBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <gtest/gtest.h>
#include <numeric>

namespace {

TEST(ConsoleTask, OnlyHelpAndExportMakeAConsoleRunAndStartOptionsStayAsTheyWere) {
    for (const QStringList& start :
         {QStringList{}, {"blv"}, {"-Embedding"}, {"/Automation"}, {"-export", "text", "x"}})
        EXPECT_FALSE(parseConsoleTask(start)) << start.join(' ').toStdString();
    const char* plain[] = {"tembrel", "-Embedding", "blv"};
    EXPECT_FALSE(isConsoleRun(3, plain));
    EXPECT_TRUE(parseStartOptions({"-Embedding", "blv"}, "/start").schemeBuilderOnly);

    const char* help[] = {"tembrel", "blv", "--help"};
    EXPECT_TRUE(isConsoleRun(3, help));
    EXPECT_EQ(parseConsoleTask({"blv", "--help"})->kind, ConsoleTask::Kind::Help);
}

TEST(ConsoleTask, ExportTakesAListKindAndAFolderAndNothingElse) {
    const std::optional<ConsoleTask> web = parseConsoleTask({"--export", "web", "/srv/a b"});
    ASSERT_TRUE(web);
    EXPECT_EQ(web->kind, ConsoleTask::Kind::ExportList);
    EXPECT_EQ(web->list, ListKind::Web);
    EXPECT_EQ(web->folder, "/srv/a b");
    EXPECT_EQ(parseConsoleTask({"--export", "text", "x"})->list, ListKind::Text);
    EXPECT_EQ(parseConsoleTask({"--export", "html", "x"})->list, ListKind::Html);

    for (const QStringList& wrong : {QStringList{"--export"},
                                     {"--export", "text"},
                                     {"--export", "pdf", "x"},
                                     {"--export", "TEXT", "x"},
                                     {"--export", "text", "x", "y"},
                                     {"blv", "--export"}}) {
        const std::optional<ConsoleTask> task = parseConsoleTask(wrong);
        ASSERT_TRUE(task);
        EXPECT_EQ(task->kind, ConsoleTask::Kind::Mistake) << wrong.join(' ').toStdString();
        EXPECT_FALSE(task->mistake.isEmpty());
    }
    EXPECT_TRUE(commandLineHelp("tembrel").contains("--export text|html|web FOLDER"));
    EXPECT_TRUE(parseConsoleTask({"--export", "web", "x", "--force"})->force);
    EXPECT_FALSE(parseConsoleTask({"--export", "web", "x"})->force);
}

TEST(ConsoleTask, VersionAndUnknownLongOptionsNeedNoWindow) {
    EXPECT_EQ(parseConsoleTask({"--version"})->kind, ConsoleTask::Kind::Version);
    for (const QStringList& wrong : {QStringList{"--verbose"},
                                     {"-Embedding", "--frobnicate"},
                                     {"--export", "web", "x", "--dry-run"},
                                     {"--force"}}) {
        const std::optional<ConsoleTask> task = parseConsoleTask(wrong);
        ASSERT_TRUE(task) << wrong.join(' ').toStdString();
        EXPECT_EQ(task->kind, ConsoleTask::Kind::Mistake) << wrong.join(' ').toStdString();
    }
    EXPECT_EQ(parseConsoleTask({"--verbose"})->mistake, "unknown option '--verbose'");
    const char* unknown[] = {"tembrel", "--verbose"};
    EXPECT_TRUE(isConsoleRun(2, unknown));
}

class Export : public ::testing::Test {
protected:
    int run(ListKind kind, const QString& folder, bool force = false) {
        errorText.clear();
        QTextStream errors(&errorText);
        return exportListFromCommandLine(kind, folder, force, tools, errors);
    }
    QStringList errorLines() const { return errorText.split('\n', Qt::SkipEmptyParts); }

    TempProgramDir program;
    FakePlaybackDevice playback;
    FakeSoundPlayer sounds;
    FakeFileSystem files;
    ExportServices tools{
        files, playback, sounds, program.path(), "tembrel", [](const QStringList& names) {
            std::vector<int> order(size_t(names.size()));
            std::iota(order.begin(), order.end(), 0);
            return order;
        }};
    QString errorText;
};

TEST_F(Export, WritesTheListOfAFolderGivenRelativelyAndSaysNothing) {
    program.writeFile(program.library() + "/Bell.wav", makeWav({}));
    const QString before = QDir::currentPath();
    QDir::setCurrent(program.path());
    const int status = run(ListKind::Text, "Library/");
    QDir::setCurrent(before);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(errorText, "");
    QFile list(program.library() + "/FilesList.txt");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray text = list.readAll();
    EXPECT_TRUE(text.contains("Directory of " + program.library().toUtf8() + "\r\n"));
    EXPECT_TRUE(text.contains("1. Bell....22094 bytes"));
}

TEST_F(Export, AMissingUnusableOrUnwritableFolderFailsWithOneLine) {
    EXPECT_EQ(run(ListKind::Text, program.path() + "nowhere"), 1);
    EXPECT_EQ(errorLines(),
              QStringList{"tembrel: there is no folder " + program.path() + "nowhere"});

    EXPECT_EQ(run(ListKind::Html, program.dataFile()), 1);
    EXPECT_EQ(errorLines(), QStringList{"tembrel: " + program.dataFile() + " is not a folder"});

    program.makeFolder("Library/index.html");
    program.writeFile(program.library() + "/index.html/keep", "x");
    EXPECT_EQ(run(ListKind::Web, program.library()), 1);
    ASSERT_EQ(errorLines().size(), 1);
    EXPECT_TRUE(errorText.startsWith("tembrel: The list could not be saved as file '" +
                                     program.library() + "/index.html'."));
}

TEST_F(Export, AWebPageThatStopsEarlyIsAFailureNamingTheFile) {
    for (const char* name : {"A", "B", "C", "D", "E"})
        program.writeFile(program.library() + "/" + name + ".wav", makeWav({}));
    files.unreadable << program.library() + "/C.wav";
    EXPECT_EQ(run(ListKind::Web, program.library()), 1);
    EXPECT_EQ(errorLines(), QStringList{"tembrel: " + program.library() +
                                        "/index.html stops before \"C\": its file could not "
                                        "be read"});
}

TEST_F(Export, AWebPageItDidNotWriteIsReplacedOnlyWithForce) {
    program.writeFile(program.library() + "/Bell.wav", makeWav({}));
    program.writeFile(program.library() + "/index.html", "<html>my own page</html>");
    EXPECT_EQ(run(ListKind::Web, program.library()), 1);
    EXPECT_EQ(errorLines(), QStringList{"tembrel: " + program.library() +
                                        "/index.html was not written by tembrel; use --force "
                                        "to replace it"});
    QFile page(program.library() + "/index.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll(), "<html>my own page</html>");
    page.close();
    EXPECT_EQ(run(ListKind::Text, program.library()), 0) << "the other lists are not held up";

    EXPECT_EQ(run(ListKind::Web, program.library(), true), 0);
    EXPECT_EQ(run(ListKind::Web, program.library()), 0) << "its own page is replaced";
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains("Bell"));
}

// The installed program, with no display of any kind.
class Program : public ::testing::Test {
protected:
    int run(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        process.setProcessEnvironment(environment);
        process.start(TEMBREL_EXECUTABLE, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    TempProgramDir folder;
    QString out;
    QString err;
};

TEST_F(Program, ExportsWithoutADisplayAndReportsFailuresOnOneLine) {
    folder.writeFile(folder.library() + "/Bell.wav", makeWav({}));
    EXPECT_EQ(run({"--export", "html", folder.library()}), 0) << err.toStdString();
    EXPECT_TRUE(QFile::exists(folder.library() + "/FilesList.htm"));
    EXPECT_EQ(err, "");

    EXPECT_EQ(run({"--export", "text", folder.path() + "gone"}), 1);
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("there is no folder"));

    EXPECT_EQ(run({"--export", "rtf", folder.library()}), 2);
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();

    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(out.contains("--export text|html|web FOLDER"));

    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_EQ(out, "tembrel 1.0\n");
    EXPECT_EQ(run({"--verbose"}), 2);
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("unknown option '--verbose'")) << err.toStdString();
}

TEST_F(Program, ASoundThatCannotBeOpenedIsReportedAndStillListed) {
    folder.writeFile(folder.library() + "/Noise.wav", "not a sound");
    folder.writeFile(folder.library() + "/Bell.wav", makeWav({}));
    EXPECT_EQ(run({"--export", "text", folder.library()}), 0);
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.startsWith("tembrel: ") && err.contains("Noise.wav")) << err.toStdString();
    QFile list(folder.library() + "/FilesList.txt");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray text = list.readAll();
    EXPECT_TRUE(text.contains("1. Bell....22094 bytes")) << text.constData();
    EXPECT_TRUE(text.contains("2. Noise....11 bytes (0.01 KB)....0.00 sec....Mono"));
}

} // namespace

#include "platform/FileLock.h"
#include "platform/SettingsStore.h"
#include "tests/support/Forked.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/Tembrel.dat");

    void write(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray contents() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString read(const char* section, const char* key) const {
        return settings::readString(QString::fromUtf8(section), QString::fromUtf8(key),
                                    settings::kMissing, path);
    }
    int readInt(const char* section, const char* key, int fallback) const {
        return settings::readInt(QString::fromUtf8(section), QString::fromUtf8(key), fallback,
                                 path);
    }
};

TEST_F(SettingsStoreTest, MissingFileSectionOrKeyGivesTheDefaults) {
    EXPECT_EQ(read("Main_Directory", "Master_Directory"), settings::kMissing);
    EXPECT_EQ(readInt("Record", "Rec_Time", 30), 30);
    write("[Main_Directory]\nOther=1\n");
    EXPECT_EQ(read("Main_Directory", "Master_Directory"), settings::kMissing);
    EXPECT_EQ(readInt("Record", "Show_Win", 1), 1);
}

TEST_F(SettingsStoreTest, NamesMatchWithoutCaseAndValuesAreTrimmedAfterTheFirstEquals) {
    write("[main_directory]\r\nmaster_directory =  My = Sounds  \r\n[Record]\r\nRec_Time=60\r\n");
    EXPECT_EQ(read("Main_Directory", "Master_Directory"), QStringLiteral("My = Sounds"));
    EXPECT_EQ(readInt("RECORD", "rec_time", 30), 60);
}

TEST_F(SettingsStoreTest, EmptyValuesAndIntegerPrefixes) {
    write("[S]\nEmpty=\nNum=42abc\nNeg=-1\nText=abc\nBlank=   \n");
    EXPECT_EQ(read("S", "Empty"), QString());
    EXPECT_EQ(readInt("S", "Empty", 7), 0);
    EXPECT_EQ(readInt("S", "Num", 7), 42);
    EXPECT_EQ(readInt("S", "Neg", 7), -1);
    EXPECT_EQ(readInt("S", "Text", 7), 0);
    EXPECT_EQ(read("S", "Blank"), QString());
}

TEST_F(SettingsStoreTest, KeysOfOtherSectionsAndCommentsAreNotMixedUp) {
    write("; a comment=1\n[Copy To Directory]\nDirectory=/a\n[Add From Directory]\n"
          "Directory=/b\n");
    EXPECT_EQ(read("Copy To Directory", "Directory"), QStringLiteral("/a"));
    EXPECT_EQ(read("Add From Directory", "Directory"), QStringLiteral("/b"));
    EXPECT_EQ(read("Copy To Directory", "; a comment"), settings::kMissing);
}

TEST_F(SettingsStoreTest, LongValuesAreCutTo259Characters) {
    const QByteArray long300(300, 'x');
    write("[S]\nK=" + long300 + "\n");
    EXPECT_EQ(read("S", "K").size(), 259);
    EXPECT_TRUE(settings::writeString("S", "K2", QString(300, QLatin1Char('y')), path));
    EXPECT_EQ(read("S", "K2"), QString(259, QLatin1Char('y')));
}

TEST_F(SettingsStoreTest, WritesCreateFileSectionAndKeyAndKeepEverythingElse) {
    EXPECT_TRUE(settings::writeString("Record", "Rec_Time", "15", path));
    EXPECT_EQ(contents(), QByteArray("[Record]\nRec_Time=15\n"));
    EXPECT_TRUE(settings::writeString("Record", "Show_Win", "0", path));
    EXPECT_TRUE(settings::writeString("Main_Directory", "Master_Directory", "Lib", path));
    EXPECT_TRUE(settings::writeString("record", "REC_TIME", "120", path));
    EXPECT_EQ(contents(), QByteArray("[Record]\nRec_Time=120\nShow_Win=0\n"
                                     "[Main_Directory]\nMaster_Directory=Lib\n"));
}

TEST_F(SettingsStoreTest, WritesKeepCrLfFilesCrLfAndLeaveOtherLinesAlone) {
    write("; keep me\r\n[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n");
    EXPECT_TRUE(settings::writeString("A", "Z", "3", path));
    EXPECT_EQ(contents(), QByteArray("; keep me\r\n[A]\r\nX=1\r\nZ=3\r\n\r\n[B]\r\nY=2\r\n"));
}

// Many keys are set and read in one pass over the file, with the same result as one at a time.
TEST(SettingsStoreBatch, ManyKeysInOnePassMatchOneAtATime) {
    const QByteArray file = "\xEF\xBB\xBF; note\r\n[A]\r\nk1 = one\r\n\r\n; end of A\r\n\r\n"
                            "[b]\r\nK2=two\r\nk2=shadowed\r\n[a]\r\nk3=hidden\r\n";
    const QList<settings::Entry> entries{{"a", "K1", "1"}, {"A", "new", "n"},  {"B", "k2", "2"},
                                         {"C", "c", "c1"}, {"a", "new", "n2"}, {"c", "d", "d"},
                                         {"a", "k3", "3"}, {"C", "C", "c2"}};
    std::optional<QByteArray> oneByOne = file;
    for (const auto& entry : entries)
        oneByOne = settings::withValue(*oneByOne, entry.section, entry.key, entry.value);
    EXPECT_EQ(settings::withValues(file, entries), oneByOne);
    EXPECT_EQ(settings::withValues(file, {{"a", "x", "line\nbreak"}}), std::nullopt);

    QTemporaryDir dir;
    const QString path = dir.filePath("Tembrel.dat");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(*oneByOne);
    out.close();
    EXPECT_EQ(settings::readStrings("A", {"k1", "NEW", "k3", "none"}, "-", path),
              (QStringList{"1", "n2", "3", "-"}));
    EXPECT_EQ(settings::readStrings("b", {"k2"}, "-", path), QStringList{"2"});
}

TEST_F(SettingsStoreTest, ValuesWithLineBreaksAreRefusedSoTheyCannotAddKeys) {
    write("[A]\nX=1\n");
    EXPECT_FALSE(settings::writeString("A", "X", "2\n[B]\nY=3", path));
    EXPECT_EQ(contents(), QByteArray("[A]\nX=1\n"));
}

TEST_F(SettingsStoreTest, AByteOrderMarkIsSkippedWhenReadingAndKeptWhenWriting) {
    write("\xEF\xBB\xBF[Main_Directory]\nMaster_Directory=/sounds\n");
    EXPECT_EQ(read("Main_Directory", "Master_Directory"), QStringLiteral("/sounds"));
    EXPECT_TRUE(settings::writeString("Main_Directory", "Master_Directory", "/other", path));
    EXPECT_EQ(contents(), QByteArray("\xEF\xBB\xBF[Main_Directory]\nMaster_Directory=/other\n"));
}

// Only the file's first three bytes can be a byte order mark: a name or value that starts with
// U+FEFF is text like any other, and differs from the same text without it.
TEST_F(SettingsStoreTest, NamesAndValuesStartingWithUFeffSurvive) {
    const QString mark(QChar(0xFEFF));
    write("\xEF\xBB\xBF[S]\nk=plain\n");
    ASSERT_TRUE(settings::writeString("S", mark + "k", mark + "first", path));
    ASSERT_TRUE(settings::writeString("S", mark + "k", mark + "second", path));
    ASSERT_TRUE(settings::writeString(mark + "S", "k", "other", path));
    EXPECT_EQ(read("S", "k"), "plain");
    EXPECT_EQ(settings::readString("S", mark + "k", settings::kMissing, path), mark + "second");
    EXPECT_EQ(settings::readString(mark + "S", "K", settings::kMissing, path), "other");
    EXPECT_EQ(contents(), QByteArray("\xEF\xBB\xBF[S]\nk=plain\n\xEF\xBB\xBFk=\xEF\xBB\xBF"
                                     "second\n[\xEF\xBB\xBFS]\nk=other\n"));
}

TEST_F(SettingsStoreTest, NonAsciiValuesRoundTrip) {
    const QString folder = QStringLiteral("/home/zoë/Klänge & \"Töne\"; $x <y>");
    EXPECT_TRUE(settings::writeString("User_Directory", "User_Directory1", folder, path));
    EXPECT_EQ(read("User_Directory", "User_Directory1"), folder);
}

TEST_F(SettingsStoreTest, DataFilePathAcceptsADoubledSeparatorAndBlanks) {
    QDir().mkpath(dir.path() + QStringLiteral("/My Programs"));
    const QString programDir = dir.path() + QStringLiteral("/My Programs/");
    const QString file = settings::dataFilePath(programDir);
    EXPECT_EQ(file, programDir + QStringLiteral("Tembrel.dat"));
    EXPECT_TRUE(settings::writeString("A", "B", "c", programDir + QStringLiteral("/Tembrel.dat")));
    EXPECT_EQ(settings::readString("A", "B", settings::kMissing, file), QStringLiteral("c"));
}

// A pipe or a folder in the data file's place reads as a missing file and is never replaced.
TEST_F(SettingsStoreTest, ADataFileThatIsAFifoOrAFolderNeitherBlocksNorIsReplaced) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const auto exit = exitOfForked([&] {
        const bool missing = readInt("A", "X", 5) == 5 && read("A", "X") == settings::kMissing;
        return missing && !settings::writeString("A", "X", "1", path) ? 0 : 1;
    });
    EXPECT_EQ(exit, 0) << "blocked, or read something, or wrote";
    struct stat info {};
    EXPECT_TRUE(::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
    EXPECT_FALSE(settings::writeString("A", "X", "1", path));
    EXPECT_TRUE(QDir(path).exists());
}

// A write that cannot complete (here: the file size limit stands in for a full disk) leaves the
// old data file exactly as it was.
TEST_F(SettingsStoreTest, AFailedWriteLeavesTheOldFileIntact) {
    const QByteArray original = "[A]\nX=1\n";
    write(original);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool ok = settings::writeString("A", "Y", QString(500, QLatin1Char('z')), path);
        _exit(ok ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write reported success";
    EXPECT_EQ(contents(), original);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(QFileInfo(FileLock::lockFilePath(path)).fileName()); // kept for the next write
    EXPECT_EQ(left, QStringList{QStringLiteral("Tembrel.dat")}) << "no temporary file left behind";
}

// Several keys in one replacement: all land, or (a line break in one) none does; a read-only
// file is never replaced, even though its folder would allow a rename over it.
TEST_F(SettingsStoreTest, SeveralKeysAreWrittenTogetherOrNotAtAll) {
    write("[Count]\nN=1\n[List]\nItem1=a\n");
    EXPECT_TRUE(settings::writeStrings({{"Count", "N", "2"}, {"List", "Item2", "b"}}, path));
    EXPECT_EQ(contents(), QByteArray("[Count]\nN=2\n[List]\nItem1=a\nItem2=b\n"));
    EXPECT_FALSE(settings::writeStrings({{"Count", "N", "3"}, {"List", "Item3", "c\nd"}}, path));
    EXPECT_EQ(read("Count", "N"), QStringLiteral("2"));
    EXPECT_EQ(read("List", "Item3"), settings::kMissing);
    const QByteArray before = contents();
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_FALSE(settings::writeStrings({{"Count", "N", "9"}}, path));
    EXPECT_FALSE(settings::writeString("Count", "N", "9", path));
    EXPECT_EQ(contents(), before);
}

} // namespace

// Sounds whose file names the list alone does not tell: two files that differ only in the
// case of their extension, and names whose bytes are not UTF-8. Each row reaches its own file.
#include "tests/files/OperationsFixture.h"

#include "core/CommandIds.h"
#include "platform/NativeName.h"
#include "widgets/SortedListBox.h"

#include <QFile>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileNamesTest = OperationsFixture;

// The file system's bytes of the library's file name.
QByteArray libraryBytes(const TempProgramDir& program, const QByteArray& name) {
    return QFile::encodeName(program.library()) + '/' + name;
}

void writeRawFile(const QByteArray& path, const QByteArray& bytes) {
    std::FILE* file = std::fopen(path.constData(), "wb");
    ASSERT_NE(file, nullptr) << path.constData();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
    std::fclose(file);
}

bool rawExists(const QByteArray& path) {
    struct stat info {};
    return ::stat(path.constData(), &info) == 0;
}

TEST(NativeName, AnyBytesComeBackAsTheyWereAndUtf8StaysPlainText) {
    const QByteArray mixed("caf\xe9 \xc3\xa9 \xf0\x9f\x8e\xb5 \xed\xa0\x80 \xc0\xaf \xff.wav");
    const QString text = nativename::decode(mixed);
    EXPECT_EQ(nativename::encode(text), mixed);
    EXPECT_TRUE(nativename::holdsForeignBytes(text));
    EXPECT_EQ(nativename::shown(text).count(QChar::ReplacementCharacter), 7);
    const QString plain = QString::fromUtf8("Ünï \xf0\x90\x82\x80 note.wav"); // U+10080: DC80 half
    EXPECT_EQ(nativename::decode(plain.toUtf8()), plain);
    EXPECT_FALSE(nativename::holdsForeignBytes(plain));
    EXPECT_EQ(nativename::encode(plain), plain.toUtf8());
}

TEST_F(FileNamesTest, ADeletedSoundGoesToTheTrashOfANewAccountNotIntoItsFolder) {
    const QString freshData = program.path() + "new-account/share";
    qputenv("XDG_DATA_HOME", QFile::encodeName(freshData)); // the fixture restores it
    addSound("a");
    addSound("b");
    window().list().setCurSel(0);
    ui.answer(MsgResult::Ok);
    window().onCommand(cmd::Delete);
    EXPECT_TRUE(QFile::exists(freshData + "/Trash/files/a.wav"));
    EXPECT_FALSE(QFile::exists(program.library() + "/files")) << "no Trash in the sound folder";
    EXPECT_EQ(listRows(), QStringList{"b"});
}

TEST_F(FileNamesTest, TwoFilesDifferingInTheCaseOfTheirExtensionAreTwoSounds) {
    program.writeFile(program.library() + "/a.wav", makeWav({}));
    WavSpec stereo;
    stereo.channels = 2;
    program.writeFile(program.library() + "/a.WAV", makeWav(stereo));
    CTembrelDlg& w = window();
    ASSERT_EQ(listRows(), (QStringList{"a", "a"})) << "the list reads as before";
    QStringList played, lines;
    for (int row = 0; row < 2; ++row) {
        w.list().setCurSel(row);
        lines << w.statusLine1();
        w.onCommand(cmd::Play);
        played << playback.played.last();
    }
    played.sort();
    EXPECT_EQ(played, (QStringList{program.library() + "/a.WAV", program.library() + "/a.wav"}));
    const int stereoRow = lines[0].contains("Stereo") ? 0 : 1;
    EXPECT_TRUE(lines[1 - stereoRow].contains("Mono")) << lines.join('|').toStdString();

    w.list().setCurSel(stereoRow);
    ui.answer(MsgResult::Ok);
    w.onCommand(cmd::Delete);
    EXPECT_FALSE(QFile::exists(program.library() + "/a.WAV")) << "the row's own file went";
    EXPECT_TRUE(QFile::exists(program.library() + "/a.wav"));
    EXPECT_EQ(listRows(), QStringList{"a"});
}

TEST_F(FileNamesTest, ANameThatIsNotUtf8ReachesItsFileFromEveryCommand) {
    const QByteArray latin1 = libraryBytes(program, "caf\xe9.wav");
    const QByteArray other = libraryBytes(program, "\xe9t\xe9.wav");
    const QByteArray wav = makeWav({});
    writeRawFile(latin1, wav);
    writeRawFile(other, wav);
    CTembrelDlg& w = window();
    const QString shownCafe = QStringLiteral("caf") + QChar::ReplacementCharacter;
    ASSERT_TRUE(listRows().contains(shownCafe));
    select(shownCafe);
    EXPECT_EQ(w.statusLine1(), QStringLiteral("1.00 sec, Mono   "));
    w.onCommand(cmd::Play);
    EXPECT_EQ(nativename::encode(playback.played.last()), latin1);

    ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
    w.onCommand(cmd::TextList);
    const QByteArray list = bytesOf(program.library() + "/FilesList.txt");
    EXPECT_TRUE(list.contains("  2 files")) << list.constData();
    EXPECT_TRUE(list.contains("2. ")) << "both sounds have their line";

    const QString elsewhere = program.makeFolder("Elsewhere");
    ui.answerFolder(elsewhere);
    w.onCommand(cmd::CopyTo);
    EXPECT_EQ(bytesOf(program.library() + "/FilesList.txt").size(), list.size());
    const QByteArray copy = QFile::encodeName(elsewhere) + "/caf\xe9.wav";
    EXPECT_TRUE(rawExists(copy)) << "copied as it is";
    ::unlink(copy.constData()); // the temporary folder's cleanup could not spell it

    w.onCommand(cmd::Rename);
    answerRename("cafe");
    EXPECT_FALSE(rawExists(latin1));
    EXPECT_EQ(bytesOf(program.library() + "/cafe.wav"), wav);

    const QByteArray dataHome = QFile::encodeName(program.path() + "share");
    qputenv("XDG_DATA_HOME", dataHome); // the fixture restores it
    select(QString(QChar::ReplacementCharacter) + "t" + QChar::ReplacementCharacter);
    ui.answer(MsgResult::Ok);
    w.onCommand(cmd::Delete);
    EXPECT_FALSE(rawExists(other));
    EXPECT_EQ(listRows(), QStringList{"cafe"});
    EXPECT_TRUE(rawExists(dataHome + "/Trash/files/\xe9t\xe9.wav")) << "in the Trash, not gone";
    char info[512] = {};
    if (FILE* file =
            std::fopen((dataHome + "/Trash/info/\xe9t\xe9.wav.trashinfo").constData(), "r")) {
        std::fread(info, 1, sizeof info - 1, file);
        std::fclose(file);
    }
    EXPECT_TRUE(QByteArray(info).contains("/%E9t%E9.wav\nDeletionDate=")) << info;
    EXPECT_EQ(ui.calls().size(), 4u) << "no failure was reported";
}

} // namespace

#include "core/FolderScan.h"
#include "platform/ProgramDirectory.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(FolderScan, FindsWavFilesOfAnyCaseAndNamesThemWithoutTheLastExtension) {
    QTemporaryDir dir;
    for (const char* name : {"Bell.WAV", "Drum.wav", "a.b.wav", "notes.txt", "wav", "x.wav.bak"})
        touch(dir.filePath(QString::fromUtf8(name)));
    QDir(dir.path()).mkdir(QStringLiteral("folder.wav"));
    QStringList names = scanWavFolder(dir.path()).names;
    names.sort();
    EXPECT_EQ(names, (QStringList{"Bell", "Drum", "a.b"}));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(dir.path()).canonicalPath());
    EXPECT_TRUE(folderHasWavFiles(dir.path()));
}

TEST(FolderScan, AFolderThatCannotBeEnteredListsNothingEvenIfTheWorkingDirectoryHasSounds) {
    QTemporaryDir here;
    touch(here.filePath(QStringLiteral("stray.wav")));
    ASSERT_TRUE(QDir::setCurrent(here.path()));
    EXPECT_TRUE(scanWavFolder(here.filePath(QStringLiteral("missing"))).names.isEmpty());
    EXPECT_FALSE(folderHasWavFiles(here.filePath(QStringLiteral("missing"))));
}

TEST(FolderScan, NamesWithSpecialCharactersAreKept) {
    QTemporaryDir dir;
    const QString odd = QStringLiteral("-a 'b' \"c\"; $d & <e> Ünï");
    touch(dir.filePath(odd + QStringLiteral(".wav")));
    EXPECT_EQ(scanWavFolder(dir.path()).names, QStringList{odd});
}

} // namespace

namespace {

TEST(SoundPath, FindsTheFileWhateverTheCaseOfItsExtension) {
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("Bell.WAV")));
    touch(dir.filePath(QStringLiteral("Drum.wav")));
    touch(dir.filePath(QStringLiteral("Drum.WAV")));
    EXPECT_EQ(pathhelp::soundPath(dir.path(), "Bell"), dir.filePath(QStringLiteral("Bell.WAV")));
    EXPECT_EQ(pathhelp::soundPath(dir.path(), "Drum"), dir.filePath(QStringLiteral("Drum.wav")));
    EXPECT_EQ(pathhelp::soundPath(dir.path(), "New"), dir.filePath(QStringLiteral("New.wav")))
        << "a sound that does not exist yet gets the lower-case extension";
}

} // namespace

#include "options/MainDirectoryChange.h"

#include "platform/SettingsStore.h"
#include "tests/options/OptionsDoubles.h"
#include "tests/support/FakeFolders.h"
#include "tests/support/FakeUi.h"
#include "tests/support/TempProgramDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kRenameError = QStringLiteral("Tembrel error #13. CRMD - cannot rename directory!");

struct MainDirectoryFixture : ::testing::Test {
    MainDirectoryFixture() {
        program.writeFile(program.library() + "/a.wav", "RIFF");
        program.writeFile(program.makeFolder("Other") + "/b.wav", "RIFF");
    }
    QString storedName() const {
        return settings.readString(QStringLiteral("Main_Directory"),
                                   QStringLiteral("Master_Directory"));
    }
    bool has(const QString& relative) const { return QFile::exists(program.path() + relative); }

    TempProgramDir program;
    RefusingSettings settings{program.path()};
    FakeFolders folders;
    FakeUi ui;
    MainDirectoryChange change{settings, settings, folders, ui};
};

TEST_F(MainDirectoryFixture, ANewNameMovesTheFolderWithItsSoundsAndIsStored) {
    const QString name = QStringLiteral("My Sounds; $HOME & <ü> 'x'");
    EXPECT_TRUE(change.rename("Library", name));
    EXPECT_EQ(storedName(), name);
    EXPECT_TRUE(has(name + "/a.wav"));
    EXPECT_FALSE(has("Library"));
    EXPECT_EQ(settings.mainDirectory(), program.path() + name);
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(MainDirectoryFixture, AnUnchangedNameIsStoredAgainWithoutARename) {
    EXPECT_TRUE(change.rename("Library", "Library"));
    EXPECT_EQ(storedName(), "Library");
    EXPECT_TRUE(has("Library/a.wav"));
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(MainDirectoryFixture, UnusableNamesAndFailedRenamesChangeNothing) {
    for (const QString& name :
         {QString(), QStringLiteral("a/b"), QStringLiteral(".."), QStringLiteral("."),
          QStringLiteral("Other"), QStringLiteral(" padded"), QStringLiteral("two\nlines")}) {
        ui.answer(MsgResult::Ok);
        EXPECT_FALSE(change.rename("Library", name)) << name.toStdString();
    }
    folders.refuseRenames = true; // e.g. a read-only program directory
    ui.answer(MsgResult::Ok);
    EXPECT_FALSE(change.rename("Library", "Fresh"));
    EXPECT_EQ(ui.messageTexts(), QStringList(8, kRenameError));
    EXPECT_EQ(storedName(), "Library");
    EXPECT_TRUE(has("Library/a.wav"));
    EXPECT_TRUE(has("Other/b.wav"));
    EXPECT_EQ(QDir(program.path() + "Other").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"b.wav"})
        << "nothing merged into an existing folder";
}

TEST_F(MainDirectoryFixture, ANameThatCannotBeStoredPutsTheFolderBack) {
    settings.refusedKeys = {QStringLiteral("Master_Directory"), QStringLiteral("Editor")};
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok);
    EXPECT_FALSE(change.rename("Library", "Fresh"));
    change.storeEditor("/usr/bin/audacity");
    EXPECT_EQ(ui.messageTexts(), (QStringList{"Tembrel error #12. DFINA - cannot save data!",
                                              "Tembrel error #14. DFINA - cannot save data!"}));
    EXPECT_TRUE(has("Library/a.wav"));
    EXPECT_FALSE(has("Fresh"));
    EXPECT_EQ(storedName(), "Library");
}

TEST_F(MainDirectoryFixture, TheMissingValueTextIsNeverStored) {
    TempProgramDir bare("[Show]\nAtf=1\n");
    RefusingSettings empty(bare.path());
    MainDirectoryChange onBare(empty, empty, folders, ui);
    EXPECT_FALSE(onBare.rename(settings::kMissing, settings::kMissing));
    onBare.storeEditor(settings::kMissing);
    EXPECT_EQ(empty.readString("Main_Directory", "Master_Directory"), settings::kMissing);
    EXPECT_EQ(empty.readString("Editor_Name", "Editor"), settings::kMissing);
    EXPECT_TRUE(ui.calls().empty());
}

} // namespace

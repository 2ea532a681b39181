#include "core/Settings.h"
#include "directories/FavoritesList.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempProgramDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The stored list over hand-made data files.
class FavoritesListTest : public ::testing::Test {
protected:
    TempProgramDir program{QByteArray("[Show]\nAtf=1\n")};
    DataFileSettings settings{program.path()};

    void writeData(const QByteArray& bytes) { program.writeFile(program.dataFile(), bytes); }
    QByteArray data() const {
        QFile file(program.dataFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString entry(int i) const { return settings.read(keys::favoriteFolder(i)); }
    int count() const { return settings.read(keys::kFavoriteCount); }
};

TEST_F(FavoritesListTest, ReadingSkipsEmptyEntriesIgnoresKeysAboveTheCountAndGoesOnPastAGap) {
    EXPECT_EQ(favorites::read(settings).count, -1);
    EXPECT_TRUE(favorites::read(settings).folders.isEmpty());
    writeData("[User_Directories_Number]\nUser_Directories=4\n"
              "[User_Directory]\nUser_Directory1=/a\nUser_Directory2=\n"
              "User_Directory4=/d\nUser_Directory5=/beyond\n");
    const favorites::Stored stored = favorites::read(settings);
    EXPECT_EQ(stored.count, 4);
    EXPECT_EQ(stored.folders, (QStringList{"/a", "/d"}));
    EXPECT_TRUE(stored.entryMissing);
    EXPECT_FALSE(stored.lastMissing);
}

TEST_F(FavoritesListTest, SavingKeepsWhatThePromptStoredWhileTheWindowWasOpen) {
    const QStringList readAtOpen{"/a", "/b", "/b"};
    // The window dropped "/a" and one "/b"; the prompt meanwhile appended "/new" and "/a".
    const QStringList storedNow{"/a", "/b", "/b", "/new", "/a"};
    EXPECT_EQ(favorites::mergeForSave({"/b"}, readAtOpen, storedNow),
              (QStringList{"/b", "/new", "/a"}));
    EXPECT_EQ(favorites::mergeForSave({"/b"}, readAtOpen, readAtOpen), QStringList{"/b"});
}

TEST_F(FavoritesListTest, AppendStartsAtOneChecksCaseGoesOnAfterAGapButNotAMissingLastEntry) {
    EXPECT_EQ(favorites::append(settings, "/a"), favorites::AppendOutcome::Added);
    EXPECT_EQ(favorites::append(settings, "/A"), favorites::AppendOutcome::Added);
    EXPECT_EQ(favorites::read(settings).folders, (QStringList{"/a", "/A"}));
    writeData("[User_Directories_Number]\nUser_Directories=3\n[User_Directory]\n"
              "User_Directory1=/a\nUser_Directory3=/c\n");
    EXPECT_EQ(favorites::append(settings, "/d"), favorites::AppendOutcome::Added);
    EXPECT_EQ(count(), 4);
    EXPECT_EQ(entry(4), QStringLiteral("/d"));
    writeData("[User_Directories_Number]\nUser_Directories=3\n[User_Directory]\n"
              "User_Directory1=/a\nUser_Directory2=/b\n");
    const QByteArray before = data();
    EXPECT_EQ(favorites::append(settings, "/d"), favorites::AppendOutcome::LastEntryMissing);
    EXPECT_EQ(data(), before);
}

TEST_F(FavoritesListTest, AReadOnlyDataFileIsReportedAndKeptAsItWas) {
    writeData("[User_Directories_Number]\nUser_Directories=1\n[User_Directory]\n"
              "User_Directory1=/a\n");
    const QByteArray before = data();
    ASSERT_TRUE(QFile::setPermissions(program.dataFile(), QFileDevice::ReadOwner));
    EXPECT_EQ(favorites::append(settings, "/b"), favorites::AppendOutcome::WriteFailed);
    EXPECT_FALSE(favorites::write(settings, {}, 1));
    EXPECT_EQ(data(), before);
}

TEST_F(FavoritesListTest, FoldersTheDataFileCannotHoldAsTheyAreAreRefused) {
    const QString odd = QStringLiteral("/tmp/a b 'q' \"d\" ;$& <x> Grüße ǅ");
    const QString longest = QStringLiteral("/") + QString(258, QLatin1Char('x'));
    for (const QString& folder : {odd, longest})
        EXPECT_FALSE(favorites::whyNotStorable(folder).has_value()) << folder.toStdString();
    const QString badUtf8 = QFile::decodeName(QByteArray("/tmp/caf\xe9"));
    for (const QString& folder : {QStringLiteral("/tmp/two\nlines"), QStringLiteral("/tmp/end "),
                                  longest + QLatin1Char('x'), badUtf8})
        EXPECT_TRUE(favorites::whyNotStorable(folder).has_value()) << folder.toStdString();
    // Those that pass come back exactly as they went in.
    ASSERT_TRUE(favorites::write(settings, {odd, longest}, 0));
    EXPECT_EQ(favorites::read(settings).folders, (QStringList{odd, longest}));
}

TEST_F(FavoritesListTest, FiveHundredEntriesAndASpoiltCountLoad) {
    QStringList many;
    for (int i = 1; i <= 500; ++i)
        many.append(QStringLiteral("/sounds/%1").arg(i));
    ASSERT_TRUE(favorites::write(settings, many, 0));
    EXPECT_EQ(favorites::read(settings).folders, many);
    ASSERT_TRUE(settings.write(keys::kFavoriteCount, 2000000000));
    const favorites::Stored stored = favorites::read(settings);
    EXPECT_EQ(stored.folders, many);
    EXPECT_TRUE(stored.lastMissing);
}

// Counts how often the data file is read.
class CountingSettings final : public ISettings {
public:
    explicit CountingSettings(const ISettings& real) : m_real(real) {}
    mutable int reads = 0;
    QString readString(const QString& section, const QString& key) const override {
        ++reads;
        return m_real.readString(section, key);
    }
    int readInt(const QString& section, const QString& key, int fallback) const override {
        ++reads;
        return m_real.readInt(section, key, fallback);
    }
    QStringList readStrings(const QString& section, const QStringList& keys) const override {
        ++reads;
        return m_real.readStrings(section, keys);
    }
    bool writeString(const QString&, const QString&, const QString&) override { return false; }
    bool writeStrings(const QList<settings::Entry>&) override { return false; }

private:
    const ISettings& m_real;
};

TEST_F(FavoritesListTest, ALongListTakesAFewReadingsOfTheDataFile) {
    QByteArray data = "[User_Directories_Number]\nUser_Directories=3000\n[User_Directory]\n";
    QStringList many;
    for (int i = 1; i <= 3000; ++i) {
        many.append(QStringLiteral("/sounds/%1").arg(i));
        data += "user_directory" + QByteArray::number(i) + " = " + many.last().toUtf8() + "\n";
    }
    writeData(data + "User_Directory7=/later copy\n[User_Directory]\nUser_Directory8=/other\n");
    CountingSettings counting(settings);
    const favorites::Stored stored = favorites::read(counting);
    EXPECT_EQ(stored.folders, many);
    EXPECT_FALSE(stored.entryMissing);
    EXPECT_LE(counting.reads, 8);
}

} // namespace

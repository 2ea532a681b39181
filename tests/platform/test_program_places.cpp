#include "core/Settings.h"
#include "platform/ProgramPlaces.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempProgramDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// An installed program directory (its files read-only, as a package leaves them) and an empty
// home for the user's folders.
class InstalledPlaces : public ::testing::Test {
protected:
    InstalledPlaces() {
        program.writeFile(program.library() + "/Bell.wav", "RIFF bell");
        program.makeFolder("Library/Sub Folder");
        program.writeFile(program.library() + "/Sub Folder/Deep.wav", "RIFF deep");
        for (const QString& path : {program.dataFile(), program.library() + "/Bell.wav"})
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        user = placesInUserFolders(program.path(), home.path() + "/config", home.path() + "/data");
    }

    TempProgramDir program;
    QTemporaryDir home;
    ProgramPlaces user;
};

TEST_F(InstalledPlaces, FirstStartCopiesTheDataFileAndTheCollectionIntoTheUsersFolders) {
    EXPECT_EQ(user.dataFile, home.path() + "/config/tembrel/Tembrel.dat");
    EXPECT_EQ(user.collectionHome, home.path() + "/data/tembrel/");

    EXPECT_EQ(copyMissingDefaults(placesInProgramDir(program.path()), user, keys::kMainDirectory),
              QString());

    EXPECT_EQ(readAll(user.dataFile), readAll(program.dataFile()));
    EXPECT_EQ(readAll(user.collectionHome + "Library/Bell.wav"), QByteArray("RIFF bell"));
    EXPECT_EQ(readAll(user.collectionHome + "Library/Sub Folder/Deep.wav"),
              QByteArray("RIFF deep"));
    EXPECT_TRUE(QFileInfo(user.dataFile).isWritable()) << "the user's copy takes changes";
    EXPECT_TRUE(QFileInfo(user.collectionHome + "Library/Bell.wav").isWritable());

    // Every feature reaches the collection through the settings facade.
    DataFileSettings settings(user);
    EXPECT_EQ(settings.mainDirectory(), user.collectionHome + "Library");
    EXPECT_EQ(settings.collectionFolder("Renamed"), user.collectionHome + "Renamed");
    EXPECT_EQ(settings.helpPage("index.html"), program.path() + "Help/index.html");
    ASSERT_TRUE(settings.writeString("Record", "Rec_Time", "12"));
    EXPECT_EQ(DataFileSettings(program.path()).readInt("Record", "Rec_Time", 0), 30)
        << "the installed defaults stay as they are";
}

TEST_F(InstalledPlaces, LaterStartsReplaceNothingTheUserHas) {
    ASSERT_EQ(copyMissingDefaults(placesInProgramDir(program.path()), user, keys::kMainDirectory),
              QString());
    QFile::remove(user.collectionHome + "Library/Bell.wav");
    DataFileSettings(user).writeString("Main_Directory", "Master_Directory", "Mine");

    EXPECT_EQ(copyMissingDefaults(placesInProgramDir(program.path()), user, keys::kMainDirectory),
              QString());

    EXPECT_FALSE(QFileInfo::exists(user.collectionHome + "Library/Bell.wav"));
    EXPECT_FALSE(QFileInfo::exists(user.collectionHome + "Mine"));
    EXPECT_EQ(DataFileSettings(user).readString("Main_Directory", "Master_Directory"), "Mine");
}

TEST_F(InstalledPlaces, ACopyThatCannotBeMadeIsNamed) {
    program.writeFile(home.path() + "/config", "a file where the folder should be");
    const QString error =
        copyMissingDefaults(placesInProgramDir(program.path()), user, keys::kMainDirectory);
    EXPECT_EQ(error, "The data file could not be copied to " + user.dataFile + ".");
}

TEST(ProgramPlacesKind, TheInstallMarkerMakesAProgramDirectoryInstalled) {
    TempProgramDir program;
    EXPECT_FALSE(isInstalledProgramDir(program.path())) << "a writable build tree";
    program.writeFile(program.path() + kInstalledMarker, "");
    EXPECT_TRUE(isInstalledProgramDir(program.path()));
    const ProgramPlaces own = placesInProgramDir(program.path());
    EXPECT_EQ(own.dataFile, program.dataFile());
    EXPECT_EQ(own.collectionHome, program.path());
}

} // namespace

// The two builds and Assign Sound on real files in a temporary home, with scripted boxes.
#include "platform/FileSystem.h"
#include "platform/NativeName.h"
#include "platform/RegistryFileStore.h"
#include "platform/audio/SndfileEventSounds.h"
#include "schemes/AssignSound.h"
#include "schemes/EventTable.h"
#include "schemes/SchemeBuild.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeRegistryStore.h"
#include "tests/support/FakeUi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <vector>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SchemeBuildTest : public ::testing::Test {
protected:
    void SetUp() override { ui.setDefaultAnswer(MsgResult::Ok); }

    QTemporaryDir home;
    QString themes = home.filePath("data/tembrel/Themes");
    QString sounds = home.filePath("data/sounds");
    QString folder = home.filePath("Library $&;<x");
    RegistryFileStore registry{{home.filePath("config/registry.reg"),
                                home.filePath("run/registry.reg"), registrySeed(themes)}};
    FakeUi ui;
    LocalFileSystem files;
    FakeDesktop desktop;
    SchemeBuildServices services{ui, registry, files, desktop, sounds};

    SchemeRow row(const QString& name, const QString& caption, QString dir = {}) {
        const QString path = (dir.isEmpty() ? folder : dir) + "/" + name;
        writeAll(path, "RIFF " + name.toUtf8());
        return {name, path, caption};
    }
};

TEST_F(SchemeBuildTest, ThemeBuildCopiesSoundsAndWritesBothThemes) {
    const QString other = home.filePath("Elsewhere");
    const QList<SchemeRow> rows{row("ding.wav", "Mail Notification"),
                                {},
                                row("up \"é\".wav", "Maximize", other),
                                row("again.wav", "Mail Notification")};
    buildThemeFile("My Theme", rows, services);

    EXPECT_EQ(ui.messageTexts(), QStringList({"Cannot copy file. Press 'OK' to continue.",
                                              "New Theme (sounds only) was successfully "
                                              "created.\nTo see Theme preview press 'OK'."}));
    const QString dir = themes + "/My Theme/";
    EXPECT_EQ(readAll(dir + "My Theme.theme"), themeFileText("My Theme", rows));
    EXPECT_EQ(readAll(dir + "My Theme notify.wav"), "RIFF ding.wav"); // the first row's copy
    EXPECT_EQ(readAll(dir + "My Theme maximize.wav"), "RIFF up \"é\".wav");
    EXPECT_EQ(desktop.opened, QStringList({dir + "My Theme.theme"}));

    const QString desktopTheme = sounds + "/tembrel-my-theme/";
    EXPECT_TRUE(readAll(desktopTheme + "index.theme").contains("Name=My Theme\n"));
    EXPECT_EQ(QFileInfo(desktopTheme + "stereo/message-new-email.wav").symLinkTarget(),
              dir + "My Theme notify.wav");
    EXPECT_EQ(readAll(desktopTheme + "stereo/window-maximized.wav"), "RIFF up \"é\".wav");

    ui.clear();
    buildThemeFile("My Theme", {row("new.wav", "Maximize")}, services);
    EXPECT_EQ(ui.messageTexts(), QStringList({"Cannot create directory"}));
    EXPECT_EQ(readAll(dir + "My Theme maximize.wav"), "RIFF up \"é\".wav");
}

// A sound that cannot be copied (or a build killed on the way) leaves no half theme behind that
// would block building that name again, and no success is reported.
TEST_F(SchemeBuildTest, AFailedThemeBuildLeavesNothingAndTheNameCanBeBuiltAgain) {
    QDir().mkpath(themes + "/.My Theme.tembrel-a1b2c3/leftover"); // of a killed build
    const SchemeRow ding = row("ding.wav", "Maximize");
    buildThemeFile("My Theme", {ding, {"gone.wav", folder + "/gone.wav", "Minimize"}}, services);
    EXPECT_EQ(ui.messageTexts(),
              QStringList({"Cannot copy file. Press 'OK' to continue.",
                           "Cannot create theme file\n\n1 of its sounds could not be copied, so "
                           "no theme was made. Nothing was changed."}));
    const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(themes).entryList(everything), QStringList());
    EXPECT_EQ(QDir(sounds).entryList(everything), QStringList());

    ui.clear();
    buildThemeFile("My Theme", {ding}, services);
    EXPECT_EQ(ui.messageTexts(), QStringList({"New Theme (sounds only) was successfully "
                                              "created.\nTo see Theme preview press 'OK'."}));
    EXPECT_EQ(readAll(themes + "/My Theme/My Theme maximize.wav"), "RIFF ding.wav");
    EXPECT_EQ(QDir(themes).entryList(everything), QStringList{"My Theme"});
}

TEST_F(SchemeBuildTest, ThemeNamesThatLeaveTheThemesFolderAreRefused) {
    for (const QString name : {"../x", "a/b", "..", "."}) {
        ui.clear();
        buildThemeFile(name, {row("ding.wav", "Maximize")}, services);
        EXPECT_EQ(ui.messageTexts(), QStringList({"Cannot create directory"}))
            << name.toStdString();
        EXPECT_EQ(ui.calls().back().icon, MsgIcon::Stop);
    }
    EXPECT_FALSE(QFileInfo::exists(home.filePath("data/tembrel/x")));
    EXPECT_TRUE(QDir(themes).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

TEST_F(SchemeBuildTest, ThemeBuildStopsWhenTheStoreHasNoThemesFolder) {
    ASSERT_EQ(registry.setString(RegRoot::LocalMachine, kThemesKeyPath, "Path", ""), 0);
    buildThemeFile("T", {}, services);
    EXPECT_EQ(ui.messageTexts(), QStringList({"You must install Microsoft Plus! first.\n"
                                              "Registred Themes path not found."}));
    writeAll(home.filePath("config/registry.reg"), "broken");
    ui.clear();
    buildThemeFile("T", {}, services);
    EXPECT_EQ(ui.messageTexts(), QStringList({"Registry error. Registry value is not accessible"}));
    EXPECT_EQ(ui.calls().back().caption, ui.appTitle());
    EXPECT_FALSE(QFileInfo::exists(themes + "/T"));
}

TEST_F(SchemeBuildTest, ScriptIsReplacedOnlyWhenItIsOurs) {
    const QList<SchemeRow> rows{row("ding.wav", "Minimize")};
    buildRegistryScript("Reg \"Scheme\"", folder, rows, services);
    const QString script = folder + "/Reg \"Scheme\".reg";
    EXPECT_EQ(readAll(script), registryScriptText(rows));
    EXPECT_EQ(desktop.opened, QStringList({script}));
    EXPECT_TRUE(ui.calls().empty());

    buildRegistryScript("Reg \"Scheme\"", folder, {}, services); // ours: replaced silently
    EXPECT_EQ(readAll(script), registryScriptText({}));

    writeAll(folder + "/mine.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Mine]\r\n");
    ui.answer(MsgResult::Cancel);
    buildRegistryScript("mine", folder, rows, services);
    EXPECT_EQ(readAll(folder + "/mine.reg"), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Mine]\r\n");
    buildRegistryScript("mine", folder, rows, services);
    EXPECT_EQ(readAll(folder + "/mine.reg"), registryScriptText(rows));
}

TEST_F(SchemeBuildTest, ScriptOfASoundWithALineBreakIsRefused) {
    buildRegistryScript("s", folder, {row("a\nb.wav", "Minimize")}, services);
    EXPECT_EQ(ui.messageTexts(),
              QStringList{"Cannot create registry script\n\nThe name of this sound holds a line "
                          "break, which a registry script cannot hold:\n" +
                          folder + "/a\nb.wav"});
    EXPECT_FALSE(QFileInfo::exists(folder + "/s.reg"));
}

TEST_F(SchemeBuildTest, ScriptThatCannotBeWrittenStopsWithABox) {
    writeAll(home.filePath("a file"), "x");
    for (const auto& [name, where] : {std::pair<QString, QString>{"../x", folder},
                                      {"ok", home.filePath("a file")},
                                      {QString(300, 'n'), folder}}) {
        ui.clear();
        buildRegistryScript(name, where, {}, services);
        EXPECT_EQ(ui.messageTexts(), QStringList({"Cannot create registry script"}));
    }
    EXPECT_FALSE(QFileInfo::exists(home.filePath("x.reg")));
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(SchemeBuildTest, AssignWritesTheStoreAndTheTembrelSoundTheme) {
    const EventSlot& minimize = kEventSlots[6];
    AssignServices assign{ui, registry, sounds};
    AssignSoundToEvent(EventKeyPath(minimize), folder + "/ding.wav", assign);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(registry.queryString(RegRoot::CurrentUser, EventKeyPath(minimize), ""),
              folder + "/ding.wav");
    const QString link = sounds + "/tembrel/stereo/window-minimized.wav";
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), folder + "/ding.wav");
    EXPECT_TRUE(readAll(sounds + "/tembrel/index.theme").contains("Name=Tembrel\n"));

    AssignSoundToEvent(EventKeyPath(minimize), "", assign); // nothing played yet
    EXPECT_EQ(registry.queryString(RegRoot::CurrentUser, EventKeyPath(minimize), ""), "");
    EXPECT_FALSE(QFileInfo(link).isSymLink());

    // A Latin-1 "café.wav" as the file system spells it: refused, nothing stored.
    AssignSoundToEvent(EventKeyPath(minimize), nativename::decode("/s/caf\xe9.wav"), assign);
    EXPECT_TRUE(ui.messageTexts().value(0).contains("is not UTF-8 text"));
    EXPECT_EQ(registry.queryString(RegRoot::CurrentUser, EventKeyPath(minimize), ""), "");
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

// A sound of `format` holding a short rising ramp, written through libsndfile.
QString codedSound(const QString& path, int format, int channels) {
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<short> samples(2000 * size_t(channels));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short(int(i % 2000) * 16 - 16000);
    sf_writef_short(file, samples.data(), 2000);
    sf_close(file);
    return path;
}

SF_INFO soundInfo(const QString& path) {
    SF_INFO info{};
    if (SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info))
        sf_close(file);
    return info;
}

// The desktop's player takes 8- and 16-bit PCM only: other codings get a 16-bit PCM copy.
TEST_F(SchemeBuildTest, AssignCopiesSoundsTheDesktopCannotPlayAs16BitPcm) {
    SndfileEventSounds forms;
    AssignServices assign{ui, registry, sounds, &forms};
    const QString event = EventKeyPath(kEventSlots[6]);
    const QString themed = sounds + "/tembrel/stereo/window-minimized.wav";
    QDir().mkpath(folder);
    for (const int format : {SF_FORMAT_ULAW, SF_FORMAT_ALAW, SF_FORMAT_FLOAT, SF_FORMAT_IMA_ADPCM,
                             SF_FORMAT_MS_ADPCM, SF_FORMAT_PCM_24, SF_FORMAT_PCM_32}) {
        const QString sound = codedSound(folder + QString("/coded %1.wav").arg(format), format, 2);
        AssignSoundToEvent(event, sound, assign);
        EXPECT_FALSE(QFileInfo(themed).isSymLink()) << format;
        const SF_INFO copy = soundInfo(themed);
        EXPECT_EQ(copy.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << format;
        EXPECT_EQ(copy.channels, 2);
        EXPECT_EQ(copy.frames, soundInfo(sound).frames);
    }
    for (const int format : {SF_FORMAT_PCM_16, SF_FORMAT_PCM_U8}) {
        const QString sound = codedSound(folder + QString("/plain %1.wav").arg(format), format, 1);
        AssignSoundToEvent(event, sound, assign);
        EXPECT_EQ(QFileInfo(themed).symLinkTarget(), sound);
    }
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(SchemeBuildTest, AssignThatCannotOpenTheKeyShowsBothBoxes) {
    FakeRegistryStore broken;
    broken.failWith = regstatus::kBadDatabase;
    AssignServices assign{ui, broken, sounds};
    AssignSoundToEvent(EventKeyPath(kEventSlots[0]), "/a.wav", assign);
    EXPECT_EQ(ui.messageTexts(), QStringList({"Registry error. Registry value is not accessible",
                                              "Registry error. Cannot change value"}));
    EXPECT_FALSE(QFileInfo::exists(sounds + "/tembrel"));
}

} // namespace

// The two builds and Assign Sound on real files in a temporary home, with scripted boxes.
#include "platform/FileSystem.h"
#include "platform/NativeName.h"
#include "platform/RegistryFileStore.h"
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

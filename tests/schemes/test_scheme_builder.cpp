// The scheme builder window and the main window's scheme commands, offscreen, over real files.
#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/WindowFrame.h"
#include "platform/FileSystem.h"
#include "platform/RegistryFileStore.h"
#include "schemes/CSchemeBuilderDlg.h"
#include "schemes/CSchemeNameDlg.h"
#include "schemes/EventTable.h"
#include "schemes/SchemeCommands.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeUi.h"
#include "tests/support/FeatureDoubles.h"
#include "widgets/CIconButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FakeBrowser final : public IBrowserWindow, public IWindowFrame {
public:
    QString currentFolder() const override { return folder; }
    QString currentSoundPath() const override { return played; }
    void setCurrentFolder(const QString& f) override { folder = f; }
    void playCurrent() override {}
    void stopPlayback() override { ++stops; }
    void refreshList() override {}
    void repaint() override {}
    QWidget* dialogParent() override { return nullptr; }
    void minimise() override {}
    void moveToCorner() override {}
    void restore() override {}
    QCursor busyCursor() const override { return {}; }
    QRect listArea() const override { return {}; }
    QString folder;
    QString played;
    int stops = 0;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SchemeBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(folder);
        QDir().mkpath(other);
        for (const QString& path : {folder + "/ding.wav", other + "/far é.wav"}) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("RIFF");
        }
        ui.setDefaultAnswer(MsgResult::Ok);
    }

    QTemporaryDir home;
    QString folder = home.filePath("Library 'x' & <y>");
    QString other = home.filePath("Other");
    RegistryFileStore registry{{home.filePath("config/registry.reg"),
                                home.filePath("run/registry.reg"),
                                registrySeed(home.filePath("Themes"))}};
    FakeUi ui;
    LocalFileSystem files;
    FakeDesktop desktop;
    FakeSoundPlayer sounds;
    SchemeContext context{ui,
                          registry,
                          files,
                          desktop,
                          sounds,
                          home.filePath("belvane.html"),
                          home.filePath("sounds")};
};

TEST_F(SchemeBuilderTest, RowsKeepTheChosenSoundAndStartWithNoEvent) {
    CSchemeBuilderDlg builder(context);
    builder.setFolder(folder);
    EXPECT_EQ(builder.folderText()->text(), " Use sounds from current folder only");
    EXPECT_EQ(builder.combo(0)->currentText(), "");
    EXPECT_EQ(builder.combo(0)->count(), 12);

    ui.answerOpenFile(other + "/far é.wav");
    builder.chooseSound(2);
    EXPECT_EQ(builder.folderText()->text(), " " + folder.toUpper());
    EXPECT_EQ(builder.edit(2)->text(), "far é.wav");
    EXPECT_EQ(builder.row(2).filePath, other + "/far é.wav");
    EXPECT_EQ(ui.calls().back().startFolder, folder);
    builder.playRow(2);
    builder.playRow(3); // no sound: nothing plays
    EXPECT_EQ(sounds.syncPlayed, QStringList({other + "/far é.wav"}));

    // A sound that went away plays the sound assigned to "Default Sound".
    ui.answerOpenFile(folder + "/ding.wav");
    builder.chooseSound(4);
    QFile::remove(folder + "/ding.wav");
    registry.setString(RegRoot::CurrentUser, EventKeyPath(kEventSlots[0]), "",
                       other + "/far é.wav");
    sounds.syncPlayed.clear();
    builder.playRow(4);
    EXPECT_EQ(sounds.syncPlayed, QStringList({other + "/far é.wav"}));

    ui.answerOpenFile(std::nullopt);
    builder.chooseSound(2);
    EXPECT_EQ(builder.edit(2)->text(), "");
    EXPECT_EQ(builder.row(2).fileName, "");
}

TEST_F(SchemeBuilderTest, NameDialogsBuildWithTheirOwnNames) {
    CSchemeBuilderDlg builder(context);
    builder.setFolder(folder);
    ui.answerOpenFile(folder + "/ding.wav");
    builder.chooseSound(0);
    builder.combo(0)->setCurrentText("Mail Notification");

    builder.confirmBuild(false);
    builder.confirmBuild(false);
    auto dialogs = builder.findChildren<CScriptNameDlg*>();
    ASSERT_EQ(dialogs.size(), 2);
    EXPECT_EQ(dialogs[0]->nameEdit().selectedText(), "RegScheme");
    dialogs[0]->nameEdit().setText("First");
    dialogs[1]->nameEdit().setText("");
    dialogs[1]->okButton().click(); // OK with no name: nothing is built
    dialogs[0]->okButton().click();
    QApplication::processEvents();
    EXPECT_EQ(QDir(folder).entryList({"*.reg"}), QStringList({"First.reg"}));
    EXPECT_TRUE(readAll(folder + "/First.reg").contains("@=\"" + folder.toUtf8() + "/ding.wav\""));

    builder.confirmBuild(true);
    auto* theme = builder.findChild<CThemeNameDlg*>();
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->nameEdit().text(), "My Theme");
    theme->okButton().click();
    QApplication::processEvents();
    EXPECT_EQ(builder.themeName(), "My Theme");
    EXPECT_TRUE(QFile::exists(home.filePath("Themes/My Theme/My Theme notify.wav")));
    EXPECT_TRUE(QFile::exists(home.filePath("sounds/tembrel-my-theme/stereo/"
                                            "message-new-email.wav")));
}

TEST_F(SchemeBuilderTest, CommandsAssignTheLastPlayedSoundAndOpenOneBuilder) {
    CommandTable commands;
    FakeBrowser browser;
    browser.folder = folder;
    QuietFeatureParts quiet;
    quiet.services.registry = &registry;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const auto restore = qScopeGuard([&dataHome] { qputenv("XDG_DATA_HOME", dataHome); });
    SchemeCommands schemes(commands, {quiet.services,
                                      quiet.settings,
                                      quiet.settings,
                                      quiet.player,
                                      {quiet.list, browser, browser},
                                      quiet.startValues,
                                      quiet.links,
                                      quiet.folders,
                                      quiet.mail,
                                      quiet.shared});

    browser.played = folder + "/ding.wav";
    ASSERT_TRUE(commands.run(cmd::AssignDefaultSound));
    EXPECT_EQ(registry.queryString(RegRoot::CurrentUser,
                                   "AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current", ""),
              browser.played);
    EXPECT_EQ(QFileInfo(home.filePath("sounds/tembrel/stereo/bell.wav")).symLinkTarget(),
              browser.played);

    ASSERT_TRUE(commands.run(cmd::SchemeBuilder));
    QPointer<CSchemeBuilderDlg> first = schemes.builder();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->folder(), folder);
    ASSERT_TRUE(commands.run(cmd::SchemeBuilder));
    EXPECT_TRUE(first.isNull());
    EXPECT_NE(schemes.builder(), nullptr);
    EXPECT_EQ(browser.stops, 2);
}

} // namespace

#include "options/CPPage1.h"
#include "options/CPPage2.h"
#include "options/CPPage3.h"
#include "options/CPPage4.h"
#include "options/CPPage5.h"
#include "options/CPPage6.h"
#include "options/CPropSheet.h"
#include "options/OptionsCommand.h"

#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/WindowFrame.h"
#include "platform/SettingsStore.h"
#include "resources/cursors/CursorWriter.h"
#include "tests/options/OptionsDoubles.h"
#include "tests/support/FakeFolders.h"
#include "tests/support/FakeHtmlProgram.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeUi.h"
#include "tests/support/FeatureDoubles.h"
#include "tests/support/TempProgramDir.h"
#include "widgets/CColorLabel.h"
#include "widgets/CHoverCombo.h"
#include "widgets/CIconButton.h"
#include "widgets/CLinkLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FakeFrame final : public IWindowFrame {
public:
    QWidget* dialogParent() override { return nullptr; }
    void minimise() override {}
    void moveToCorner() override {}
    void restore() override {}
    QCursor busyCursor() const override { return {}; }
    QRect listArea() const override { return {}; }
};

struct SheetFixture : ::testing::Test {
    explicit SheetFixture(const QByteArray& data = TempProgramDir::defaultDataFile())
        : program(data) {}
    QString stored(const QString& section, const QString& key) const {
        return settings.readString(section, key);
    }
    // Shows the page's tab, as a click on it does.
    void open(QWidget& page) {
        sheet.tabs().setCurrentWidget(&page);
        sheet.show();
    }

    TempProgramDir program;
    RefusingSettings settings{program.path()};
    FakeUi ui;
    FakeDesktop desktop;
    FakeHtmlProgram htmlProgram;
    FakeLauncher launcher;
    LinkOpener links{desktop, htmlProgram, launcher};
    OptionsContext context{settings, ui, settings, links};
    CPropSheet sheet{context, {}, nullptr};
};

TEST_F(SheetFixture, RecordTimeShowsItsRowAndEveryPickIsStoredAtOnce) {
    settings.writeString("Record", "Rec_Time", "120");
    open(sheet.record());
    EXPECT_EQ(sheet.record().timeList().currentIndex(), 3);
    sheet.record().timeList().setCurrentIndex(0);
    EXPECT_EQ(stored("Record", "Rec_Time"), "15");
    sheet.record().minimiseBox().click();
    EXPECT_EQ(stored("Record", "Show_Win"), sheet.record().minimiseBox().isChecked() ? "1" : "0");
    sheet.reject();
    EXPECT_EQ(stored("Record", "Rec_Time"), "15") << "Cancel keeps what the pages stored";
}

TEST_F(SheetFixture, ATimeThatIsNoRowSelectsNothingAndWritesNothing) {
    settings.writeString("Record", "Rec_Time", "45");
    open(sheet.record());
    EXPECT_EQ(sheet.record().timeList().currentIndex(), -1);
    EXPECT_EQ(stored("Record", "Rec_Time"), "45");
    EXPECT_EQ(stored("Cursor", "Current"), "1") << "pages never shown wrote nothing";
}

TEST_F(SheetFixture, ThemesPreviewTheirCursorsAndAreStored) {
    settings.writeString("Cursor", "Current", "13");
    open(sheet.cursors());
    CPPage4& page = sheet.cursors();
    EXPECT_EQ(page.themeList().currentIndex(), -1);
    EXPECT_TRUE(page.normalPreview().pixmap().isNull());
    QImage arrow(32, 32, QImage::Format_ARGB32);
    arrow.fill(Qt::red);
    program.makeFolder("Bin/Cursors");
    program.writeFile(program.path() + "Bin/Cursors/NatureNormal.cur",
                      cursorfile::curBytes(arrow, QPoint(1, 1)));
    page.themeList().setCurrentIndex(3); // "Nature Theme"; its busy cursor file is missing
    EXPECT_EQ(stored("Cursor", "Current"), "4");
    EXPECT_EQ(page.normalPreview().pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
    EXPECT_TRUE(page.busyPreview().pixmap().isNull());
    page.themeList().setCurrentIndex(0);
    EXPECT_FALSE(page.busyPreview().pixmap().isNull()) << "theme 1: the system cursors";
    EXPECT_EQ(page.note().textColour(), QColor(0x2D, 0x8C, 0x2E));
}

// Each change the read-only data file cannot keep is reported, and its control goes back to
// what the file holds.
TEST_F(SheetFixture, ChangesARefusedWriteLosesAreReportedAndTheirControlsGoBack) {
    open(sheet.record());
    open(sheet.cursors());
    open(sheet.misc());
    QFile file(program.dataFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ui.setDefaultAnswer(MsgResult::Ok);

    sheet.record().timeList().setCurrentIndex(3);
    EXPECT_EQ(sheet.record().timeList().currentIndex(), 1) << "30 sec, as stored";
    sheet.record().minimiseBox().click();
    EXPECT_TRUE(sheet.record().minimiseBox().isChecked());
    sheet.cursors().themeList().setCurrentIndex(5);
    EXPECT_EQ(sheet.cursors().themeList().currentIndex(), 0);
    EXPECT_FALSE(sheet.cursors().busyPreview().pixmap().isNull()) << "theme 1 previewed again";
    CPPage5& misc = sheet.misc();
    for (QCheckBox* box : {&misc.favoritesBox(), &misc.flatScrollBarBox(), &misc.previewBox()}) {
        const bool was = box->isChecked();
        box->click();
        EXPECT_EQ(box->isChecked(), was) << box->text().toStdString();
    }
    QTest::keyClicks(&misc.addressEdit(), "x");
    EXPECT_EQ(misc.addressEdit().text(), "someone@example.org");

    EXPECT_EQ(ui.messageTexts(),
              QStringList(7, QStringLiteral("Cannot save data.\r\nConfiguration error.")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

struct BareSheet : SheetFixture {
    BareSheet() : SheetFixture("[Show]\nFsb=2\n") {}
};

TEST_F(BareSheet, AMissingAddressIsReportedButNeverWrittenBack) {
    ui.answer(MsgResult::Ok);
    open(sheet.misc());
    CPPage5& page = sheet.misc();
    EXPECT_EQ(ui.messageTexts(), QStringList{settings::kMissing});
    EXPECT_TRUE(page.addressEdit().text().isEmpty());
    EXPECT_EQ(stored("Default_Mail", "To"), settings::kMissing);
    EXPECT_TRUE(page.favoritesBox().isChecked()) << "a missing Atf shows ticked";
    EXPECT_FALSE(page.flatScrollBarBox().isChecked()) << "only 1 ticks the box";
    QTest::keyClicks(&page.addressEdit(), "me@example.org");
    EXPECT_EQ(stored("Default_Mail", "To"), "me@example.org");
    page.flatScrollBarBox().click();
    EXPECT_EQ(stored("Show", "Fsb"), "1");
    EXPECT_FALSE(page.previewBox().isChecked()) << "playing while browsing is off by default";
    page.previewBox().click();
    EXPECT_EQ(stored("Show", "Preview"), "1");
}

TEST_F(BareSheet, PickedFoldersAreStoredOrTheEditKeepsItsText) {
    ui.answer(MsgResult::Ok); // the missing Copy To folder
    open(sheet.directories());
    CPPage6& page = sheet.directories();
    EXPECT_EQ(page.copyToEdit().text(), settings::kMissing);
    EXPECT_TRUE(page.addFromEdit().text().isEmpty());
    EXPECT_EQ(page.copyToEdit().nextInFocusChain(), &page.copyToButton()) << "Tab order";
    EXPECT_EQ(page.copyToButton().nextInFocusChain(), &page.addFromEdit());
    ui.answerFolder("/srv/sounds & more");
    page.addFromButton().click();
    EXPECT_EQ(stored("Add From Directory", "Directory"), "/srv/sounds & more");
    EXPECT_EQ(page.addFromEdit().text(), "/srv/sounds & more");
    EXPECT_EQ(ui.calls().back().text, "Select default folder");
    settings.refusedKeys = {"Directory"};
    ui.answerFolder("/srv/other").answer(MsgResult::Ok);
    page.copyToButton().click();
    EXPECT_EQ(ui.messageTexts().last(), "Cannot save data.\r\nConfiguration error.");
    EXPECT_EQ(page.copyToEdit().text(), settings::kMissing);
    settings.refusedKeys = {};
    // A folder whose name is not UTF-8 comes from the picker with a replacement character.
    ui.answerFolder(QStringLiteral("/srv/caf") + QChar::ReplacementCharacter).answer(MsgResult::Ok);
    page.copyToButton().click();
    EXPECT_TRUE(ui.messageTexts().last().contains("its name is not UTF-8 text"));
    EXPECT_EQ(stored("Copy To Directory", "Directory"), settings::kMissing) << "nothing stored";
}

TEST_F(BareSheet, TheIndexDepthShowsEightUntilChangedAndIsStoredAsItChanges) {
    ui.answer(MsgResult::Ok); // the missing Copy To folder
    open(sheet.directories());
    QSpinBox& depth = sheet.directories().indexDepthBox();
    EXPECT_EQ(depth.value(), 8);
    EXPECT_EQ(stored("Directories", "Index_Depth"), settings::kMissing) << "nothing written yet";
    depth.setValue(3);
    EXPECT_EQ(stored("Directories", "Index_Depth"), "3");
}

TEST_F(SheetFixture, TheEditorPickerTakesOnlyPrograms) {
    open(sheet.general());
    program.writeFile(program.path() + "notes.txt", "text");
    ui.answerOpenFile(program.path() + "notes.txt").answer(MsgResult::Ok);
    sheet.general().browseButton().click();
    EXPECT_TRUE(ui.calls().back().text.endsWith("is not a program."));
    ui.answerOpenFile(QStringLiteral("/bin/sh"));
    sheet.general().browseButton().click();
    EXPECT_EQ(ui.calls().back().text, "Choose wav editor program");
    EXPECT_EQ(sheet.general().editorPath(), "/bin/sh");
    EXPECT_EQ(stored("Editor_Name", "Editor"), "audacity") << "stored only on OK";
}

TEST_F(SheetFixture, WebLinksKeepTheirColourOnceVisited) {
    open(sheet.webLinks());
    ASSERT_EQ(sheet.webLinks().links().size(), 4);
    CLinkLabel& link = *sheet.webLinks().links().first();
    const QColor before = link.currentColour();
    link.click();
    EXPECT_TRUE(link.isVisited());
    EXPECT_EQ(link.currentColour(), before);
    EXPECT_EQ(desktop.opened, QStringList{link.address()});
}

// The command around the sheet: OK renames the main directory and shows it.
struct CommandFixture : SheetFixture {
    void runWith(const std::function<void(CPropSheet&)>& act) {
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<CPropSheet*>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            act(*shown);
        });
        commands.run(cmd::Options);
    }
    CommandTable commands;
    FakeFolders folders;
    FakeBrowserWindow browser;
    FakeFrame frame;
    QuietFeatureParts quiet;
    Services services{ui, quiet.playback, quiet.sounds, quiet.files, launcher, desktop, {}, {}};
    OptionsCommand command{commands,
                           {services,
                            settings,
                            settings,
                            quiet.player,
                            {quiet.list, browser, frame},
                            quiet.startValues,
                            links,
                            folders,
                            quiet.mail,
                            quiet.shared}};
};

TEST_F(CommandFixture, OkWithANewNameRenamesTheFolderAndTheWindowShowsIt) {
    program.writeFile(program.library() + "/a.wav", "RIFF");
    runWith([](CPropSheet& shown) {
        shown.general().nameEdit().setText("New Library");
        shown.accept();
    });
    EXPECT_TRUE(QFile::exists(program.path() + "New Library/a.wav"));
    EXPECT_EQ(browser.shown, program.path() + "New Library");
    EXPECT_EQ(browser.repaints, 1);
}

TEST_F(CommandFixture, CancelRenamesNothingAndAFailedRenameKeepsTheWindowWhereItIs) {
    runWith([](CPropSheet& shown) {
        shown.general().nameEdit().setText("Elsewhere");
        shown.reject();
    });
    EXPECT_TRUE(QFile::exists(program.library()));
    folders.refuseRenames = true;
    ui.answer(MsgResult::Ok);
    runWith([](CPropSheet& shown) {
        shown.general().nameEdit().setText("Elsewhere");
        shown.accept();
    });
    EXPECT_EQ(browser.shown, "(unchanged)");
    EXPECT_EQ(stored("Main_Directory", "Master_Directory"), "Library");
    EXPECT_EQ(browser.repaints, 2);
}

} // namespace

#include "tests/files/OperationsFixture.h"

#include "core/CommandIds.h"
#include "properties/CAdvancedPropertiesDlg.h"
#include "properties/CSoundPropertiesDlg.h"
#include "widgets/CIconButton.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

// The Sound Properties dialog as the Properties command shows it; the facts it shows are
// tested over the logic library in test_sound_properties.
namespace {

class SoundPropertiesTest : public OperationsFixture {
protected:
    // Runs the Properties command; while its dialog is open, look() sees it and then it closes.
    void showProperties(const std::function<void(CSoundPropertiesDlg&)>& look) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CSoundPropertiesDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            look(*dialog);
            dialog->closeButton().click();
        });
        window().onCommand(cmd::Properties);
        EXPECT_TRUE(seen);
    }
};

// 8-bit mono at 11025 Hz, 1024 bytes in all.
WavSpec smallMono() {
    WavSpec spec;
    spec.sampleRate = 11025;
    spec.dataBytes = 1024 - 44;
    return spec;
}

// An upper-case extension is the same sound: the dialog names it "Bell.wav" and plays its file.
TEST_F(SoundPropertiesTest, ShowsTheSelectedSoundsFieldsAndPlaysItsFile) {
    program.writeFile(program.library() + "/Bell.WAV", makeWav(smallMono()));
    showProperties([&](CSoundPropertiesDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Sound Properties"));
        EXPECT_EQ(dialog.fieldText("fileName"), QStringLiteral("Bell.wav"));
        EXPECT_EQ(dialog.fieldText("type"), QStringLiteral("Multimedia wave (.wav)"));
        EXPECT_EQ(dialog.fieldText("location"), program.library());
        EXPECT_EQ(dialog.fieldText("size"), QStringLiteral("1024 bytes (1.00 KB)"));
        EXPECT_EQ(dialog.fieldText("attributes"), QString());
        EXPECT_EQ(dialog.fieldText("format"), QStringLiteral("Mono, 11025 Hz, 8-bit, PCM"));
        EXPECT_EQ(dialog.fieldText("playTime"), QStringLiteral("0.09 sec"));
        dialog.playButton().click();
        EXPECT_EQ(sounds.syncPlayed, QStringList{program.library() + "/Bell.WAV"});
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        EXPECT_TRUE(labels.contains("Filename:")) << labels.join('|').toStdString();
    });
}

TEST_F(SoundPropertiesTest, PlayIsHeardToItsEndAndMoreListsTheSixHeaderNumbers) {
    addSound("Bell", smallMono());
    showProperties([&](CSoundPropertiesDlg& dialog) {
        dialog.playButton().click();
        EXPECT_EQ(sounds.syncPlayed, QStringList{soundFile("Bell")});
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* more = qobject_cast<CAdvancedPropertiesDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(more, nullptr);
            seen = true;
            EXPECT_EQ(more->windowTitle(), QStringLiteral(" Advanced Properties"));
            const std::array<QString, 6> expected{"1", "1", "11025", "11025", "1", "8"};
            EXPECT_EQ(more->shownValues(), expected);
            QTest::keyClick(more, Qt::Key_Escape);
        });
        dialog.moreButton().click();
        EXPECT_TRUE(seen);
        EXPECT_TRUE(dialog.isVisible()) << "Escape closed only the advanced dialog";
    });
}

// Play waits for the sound's end, taking no clicks meanwhile; Escape or closing the dialog
// stops it.
TEST_F(SoundPropertiesTest, EscapeOrClosingTheDialogStopsASynchronousPlay) {
    addSound("Bell", smallMono());
    sounds.waitForStop = true;
    showProperties([&](CSoundPropertiesDlg& dialog) {
        QTimer::singleShot(20, [&] {
            QTest::mouseClick(&dialog.moreButton(), Qt::LeftButton); // goes nowhere
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(&dialog.playButton(), Qt::LeftButton);
        EXPECT_TRUE(sounds.syncStopped) << "Escape did not stop the sound";
        EXPECT_TRUE(dialog.isVisible()) << "Escape stops the sound, not the dialog";

        QTimer::singleShot(20, [&] { dialog.close(); });
        QTest::mouseClick(&dialog.playButton(), Qt::LeftButton);
        EXPECT_TRUE(sounds.syncStopped) << "closing did not stop the sound";
        EXPECT_FALSE(dialog.isVisible());
    });
}

} // namespace

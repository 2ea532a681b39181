#include "tests/files/OperationsFixture.h"

#include "core/CommandIds.h"
#include "library/SoundLoudness.h"
#include "library/TagsEditor.h"
#include "properties/CAdvancedPropertiesDlg.h"
#include "properties/CSoundPropertiesDlg.h"
#include "widgets/CIconButton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

QStringList tagsOf(CSoundPropertiesDlg& dialog) {
    QStringList tags;
    for (int row = 0; row < dialog.tags()->tagList().count(); ++row)
        tags << dialog.tags()->tagList().item(row)->text();
    return tags;
}

QString shownLoudness(CSoundPropertiesDlg& dialog) {
    (void)QTest::qWaitFor([&] { return dialog.fieldText("loudness") != "Measuring..."; });
    return dialog.fieldText("loudness");
}

// Tags go into the index at once; a loudness the index does not know is measured while the
// window shows, then known; a sound that cannot be measured says why.
TEST_F(SoundPropertiesTest, KeepsTheSoundsTagsAndShowsItsLoudnessOnceMeasured) {
    int measured = 0;
    services->measureLoudness = [&](const QString& path,
                                    double) -> std::expected<LoudnessFacts, QString> {
        ++measured;
        if (path.endsWith("Hum.wav"))
            return std::unexpected(QStringLiteral("Hum.wav: the file is cut short"));
        return LoudnessFacts{-18.34, -2.04, false};
    };
    program.writeFile(program.library() + "/Bell.wav", makeWav(smallMono()));
    program.writeFile(program.library() + "/Hum.wav", makeWav(smallMono()));
    select("Bell");
    showProperties([&](CSoundPropertiesDlg& dialog) {
        ASSERT_NE(dialog.tags(), nullptr);
        QTest::keyClicks(&dialog.tags()->newTag(), "door bell");
        QTest::keyClick(&dialog.tags()->newTag(), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << "Enter adds the tag, it does not close the window";
        EXPECT_EQ(tagsOf(dialog), QStringList{"door bell"});
        EXPECT_EQ(shownLoudness(dialog), "-18.3 LUFS, true peak -2.0 dBTP");
    });
    showProperties([&](CSoundPropertiesDlg& dialog) {
        EXPECT_EQ(dialog.fieldText("loudness"), "-18.3 LUFS, true peak -2.0 dBTP");
        EXPECT_EQ(tagsOf(dialog), QStringList{"door bell"});
    });
    EXPECT_EQ(measured, 1);
    select("Hum");
    showProperties([&](CSoundPropertiesDlg& dialog) {
        EXPECT_EQ(shownLoudness(dialog), "cannot be measured: Hum.wav: the file is cut short");
        EXPECT_TRUE(tagsOf(dialog).isEmpty());
    });
    EXPECT_EQ(loudnessText({-INFINITY, -INFINITY, false}), "silent");
    EXPECT_EQ(loudnessText({-INFINITY, -6, false}),
              "too short for a loudness (under 0.4 s), true peak -6.0 dBTP");
}

} // namespace

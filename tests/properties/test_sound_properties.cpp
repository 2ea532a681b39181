#include "core/BrowserView.h"
#include "core/CWavePlayer.h"
#include "platform/ProgramDirectory.h"
#include "properties/SoundProperties.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/FakeUi.h"
#include "tests/support/TempProgramDir.h"
#include "tests/support/WavBytes.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The facts the properties dialog shows, read for a sound of the main directory.
class SoundPropertiesTest : public ::testing::Test {
protected:
    QString addSound(const QString& name, const WavSpec& spec = {}) {
        const QString path = pathhelp::join(program.library(), name + ".wav");
        program.writeFile(path, makeWav(spec));
        return path;
    }
    // The row as the list gives it: the file is the one the folder holds for the name.
    SoundProperties read(const QString& name) {
        const QString file = pathhelp::fileName(pathhelp::soundPath(program.library(), name));
        return readSoundProperties(files, player, program.library(), {name, file});
    }

    TempProgramDir program;
    FakeUi ui;
    FakePlaybackDevice playback;
    FakeSoundPlayer sounds;
    FakeFileSystem files;
    CWavePlayer player{playback, sounds, ui};
};

// 8-bit mono at 11025 Hz, 1024 bytes in all.
WavSpec smallMono() {
    WavSpec spec;
    spec.sampleRate = 11025;
    spec.dataBytes = 1024 - 44;
    return spec;
}

TEST_F(SoundPropertiesTest, EveryFieldOfAWritable1024ByteFile) {
    const QString path = addSound("Bell", smallMono());
    const SoundProperties shown = read("Bell");
    EXPECT_EQ(shown.fileName, QStringLiteral("Bell.wav"));
    EXPECT_EQ(shown.type, QStringLiteral("Multimedia wave (.wav)"));
    EXPECT_EQ(shown.location, program.library());
    EXPECT_EQ(shown.size, QStringLiteral("1024 bytes (1.00 KB)"));
    EXPECT_EQ(shown.attributes, QString());
    EXPECT_EQ(shown.format, QStringLiteral("Mono, 11025 Hz, 8-bit, PCM"));
    EXPECT_EQ(shown.playTime, QStringLiteral("0.09 sec"));
    const std::array<QString, 6> advanced{"1", "1", "11025", "11025", "1", "8"};
    EXPECT_EQ(shown.advanced, advanced);
    EXPECT_EQ(shown.path(), path);
}

TEST_F(SoundPropertiesTest, AnUpperCaseExtensionIsTheSameSound) {
    program.writeFile(program.library() + "/Bell.WAV", makeWav(smallMono()));
    const SoundProperties shown = read("Bell");
    EXPECT_EQ(shown.fileName, QStringLiteral("Bell.wav"));
    EXPECT_EQ(shown.size, QStringLiteral("1024 bytes (1.00 KB)"));
    EXPECT_EQ(shown.format, QStringLiteral("Mono, 11025 Hz, 8-bit, PCM"));
    EXPECT_EQ(shown.playTime, QStringLiteral("0.09 sec"));
    EXPECT_EQ(shown.path(), program.library() + "/Bell.WAV") << "what Play plays";
}

TEST_F(SoundPropertiesTest, AFileTheUserMayNotWriteIsReadOnly) {
    files.readOnly << addSound("Bell");
    EXPECT_EQ(read("Bell").attributes, QStringLiteral("Read-Only"));
}

TEST_F(SoundPropertiesTest, ThePlayTimeCountsTheHeaderBytes) {
    WavSpec spec;
    spec.sampleRate = 44100;
    spec.bitsPerSample = 16;
    spec.channels = 1;
    spec.dataBytes = 88200;
    addSound("one second", spec);
    const SoundProperties shown = read("one second");
    EXPECT_EQ(shown.playTime, QStringLiteral("1.00 sec"));
    EXPECT_EQ(shown.size, QStringLiteral("88244 bytes (86.18 KB)"));
}

TEST_F(SoundPropertiesTest, AVanishedFileKeepsTheOtherFieldsFromTheLastHeaderRead) {
    WavSpec stereo;
    stereo.channels = 2;
    stereo.bitsPerSample = 16;
    stereo.sampleRate = 44100;
    const QString path = addSound("gone", stereo);
    read("gone"); // as the window read the selected sound's header before it went
    QFile::remove(path);
    const SoundProperties shown = read("gone");
    EXPECT_EQ(shown.fileName, QStringLiteral("gone.wav"));
    EXPECT_EQ(shown.size, QString());
    EXPECT_EQ(shown.attributes, QString());
    EXPECT_EQ(shown.format, QStringLiteral("Stereo, 44100 Hz, 16-bit, PCM"));
}

} // namespace

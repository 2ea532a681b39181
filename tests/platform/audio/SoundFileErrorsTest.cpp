// What the engine says about files it cannot play; no sound server is needed, since opening a
// file does no device work.
#include "AudioSignals.h"
#include "platform/audio/AudioSystem.h"
#include "tests/support/Forked.h"
#include "tests/support/WavBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using ::testing::HasSubstr;

namespace {

class SoundFileErrorsTest : public ::testing::Test {
protected:
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        return path;
    }

    std::string openError(const QString& path) {
        const auto opened = m_audio.playbackDevice().open(path);
        return opened ? std::string("(opened)") : opened.error().toStdString();
    }

    QTemporaryDir m_dir;
    AudioSystem m_audio;
};

} // namespace

TEST_F(SoundFileErrorsTest, EachUnplayableFileGetsItsOwnClearText) {
    const QString missing = m_dir.filePath("gone.wav");
    EXPECT_THAT(openError(missing), HasSubstr("does not exist"));
    EXPECT_THAT(openError(missing), HasSubstr(missing.toStdString()));
    EXPECT_THAT(openError(file("notes.wav", "these are not samples\n")),
                HasSubstr("is not a sound file"));
    EXPECT_THAT(openError(file("empty.wav", "")), HasSubstr("is not a sound file"));
    WavSpec unknownCodec;
    unknownCodec.formatTag = 0x1234;
    EXPECT_THAT(openError(file("codec.wav", makeWav(unknownCodec))),
                HasSubstr("format that cannot be played (format tag 0x1234)"));
    EXPECT_THAT(openError(file("cut.wav", makeWav({}).left(30))), HasSubstr("is damaged"));
    EXPECT_THAT(openError(m_dir.path()), HasSubstr("is a folder"));
    WavSpec overgrown; // valid, but a million empty chunks come before its "fmt "
    overgrown.chunksBeforeFmt = QByteArray("JUNK\0\0\0\0", 8).repeated(1'000'000);
    EXPECT_THAT(openError(file("many.wav", makeWav(overgrown))),
                HasSubstr("holds more than 4096 chunks before its sound"));
}

TEST_F(SoundFileErrorsTest, AFifoInASoundsPlaceIsRefusedWithoutBlocking) {
    const QString fifo = m_dir.filePath("pipe.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto exit = exitOfForked(
        [&] { return openError(fifo).find("a pipe or a device") != std::string::npos ? 0 : 1; });
    EXPECT_EQ(exit, 0) << "the open blocked or gave another text";
}

TEST_F(SoundFileErrorsTest, APcmFileWithImpossibleNumbersSaysWhichNumberIsWrong) {
    const auto pcm = [this](uint16_t channels, uint16_t bits, uint32_t rate) {
        WavSpec spec;
        spec.channels = channels;
        spec.bitsPerSample = bits;
        spec.sampleRate = rate;
        spec.avgBytesPerSecond = 1;
        return openError(file("odd.wav", makeWav(spec)));
    };
    for (uint16_t channels : {0, 65535})
        EXPECT_THAT(pcm(channels, 8, 22050),
                    HasSubstr("(" + std::to_string(channels) + " channels)"));
    for (uint16_t bits : {0, 64})
        EXPECT_THAT(pcm(1, bits, 22050), HasSubstr("(" + std::to_string(bits) + " bits)"));
    for (uint32_t rate : {0u, 0xffffffffu})
        EXPECT_THAT(pcm(1, 8, rate), HasSubstr("(" + std::to_string(rate) + " Hz)"));
}

TEST_F(SoundFileErrorsTest, ANameWithBlanksQuotesAndOtherLettersOpens) {
    const QString path = m_dir.filePath("a b 'c' \"d\" ; $x & <e> ü ß 音.wav");
    ASSERT_TRUE(writeTone(path, {}).has_value());
    EXPECT_TRUE(m_audio.playbackDevice().open(path).has_value());
}

TEST_F(SoundFileErrorsTest, AnEmptyPathOpensNothingAndPlaysNothing) {
    IPlaybackDevice& device = m_audio.playbackDevice();
    ASSERT_TRUE(device.open(QString()).has_value());
    EXPECT_TRUE(device.play(0).has_value());
    device.close();
    const auto played = device.play(0);
    ASSERT_FALSE(played.has_value());
    EXPECT_FALSE(played.error().isEmpty());
}

TEST_F(SoundFileErrorsTest, AFailedOpenClosesWhatWasOpenBefore) {
    IPlaybackDevice& device = m_audio.playbackDevice();
    const QString good = m_dir.filePath("good.wav");
    ASSERT_TRUE(writeTone(good, {}).has_value());
    ASSERT_TRUE(device.open(good).has_value());
    ASSERT_FALSE(device.open(m_dir.filePath("gone.wav")).has_value());
    EXPECT_FALSE(device.play(0).has_value());
}

TEST_F(SoundFileErrorsTest, ARecordingDeviceThatWasNeverOpenedRefusesEverything) {
    auto recorder = m_audio.newRecordingDevice();
    EXPECT_FALSE(recorder->record(1000).has_value());
    EXPECT_FALSE(recorder->stop().has_value());
    const QString path = m_dir.filePath("never.wav");
    EXPECT_FALSE(recorder->save(path).has_value());
    EXPECT_FALSE(QFile::exists(path));
    recorder->close();
}

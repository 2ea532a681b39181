// The engine on a machine without a sound server. The checks run in a child process of this
// test program whose environment points the sound libraries at a server that does not exist.
#include "AudioSignals.h"
#include "MonitorTap.h"
#include "SoundServerChild.h"
#include "platform/audio/AudioSystem.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

using ::testing::HasSubstr;

TEST(NoSoundServer, OpenPlayAndRecordReportErrorsQuietlyAndNothingHangs) {
    QTemporaryDir dir;
    const ChildRun run = runChild("NoSoundServerChild.Errors", dir);
    ASSERT_TRUE(run.finished) << "the engine hung without a sound server";
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_THAT(run.out.toStdString(), HasSubstr("[       OK ] NoSoundServerChild.Errors"));
    // Nothing from ALSA ("ALSA lib ..."), JACK ("... server ...") or PortAudio ("Expression ...").
    EXPECT_FALSE(run.err.contains(QRegularExpression("ALSA|jack|server|Expression",
                                                     QRegularExpression::CaseInsensitiveOption)))
        << run.err.toStdString();
}

TEST(NoSoundServer, AServerStartedLaterIsFoundByTheNextPlay) {
    QTemporaryDir dir;
    const ChildRun run = runChild("NoSoundServerChild.ServerStartsLater", dir);
    ASSERT_TRUE(run.finished) << "the engine hung";
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    if (run.out.contains("[  SKIPPED ]") && !soundServerRequired())
        GTEST_SKIP() << "no sound server can be started here";
    EXPECT_THAT(run.out.toStdString(), HasSubstr("[       OK ] NoSoundServerChild.ServerStarts"));
}

TEST(NoSoundServerChild, Errors) {
    if (!isChild())
        GTEST_SKIP() << "runs as the child of NoSoundServer only";
    QTemporaryDir dir;
    const QString path = dir.filePath("tone.wav");
    ASSERT_TRUE(writeTone(path, {}).has_value());
    AudioSystem audio;
    IPlaybackDevice& device = audio.playbackDevice();
    ASSERT_TRUE(device.open(path).has_value()) << "opening a file needs no device";
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto played = device.play(0);
        ASSERT_FALSE(played.has_value());
        EXPECT_THAT(played.error().toStdString(), HasSubstr("No sound output device"));
    }
    EXPECT_FALSE(audio.soundPlayer().playLoop(path));
    EXPECT_FALSE(audio.soundPlayer().playSync(path));
    audio.soundPlayer().silence();
    auto recorder = audio.newRecordingDevice();
    const auto opened = recorder->open();
    ASSERT_FALSE(opened.has_value());
    EXPECT_THAT(opened.error().toStdString(), HasSubstr("No sound input device"));
    EXPECT_FALSE(recorder->record(1000).has_value());
    EXPECT_FALSE(recorder->stop().has_value());
    EXPECT_FALSE(recorder->save(dir.filePath("take.wav")).has_value());
    recorder->close();
    device.close();
}

TEST(NoSoundServerChild, ServerStartsLater) {
    if (!isChild())
        GTEST_SKIP() << "runs as the child of NoSoundServer only";
    QTemporaryDir dir;
    const QString path = dir.filePath("tone.wav");
    ASSERT_TRUE(writeTone(path, {}).has_value());
    AudioSystem audio;
    IPlaybackDevice& device = audio.playbackDevice();
    ASSERT_TRUE(device.open(path).has_value());
    ASSERT_FALSE(device.play(0).has_value());
    PrivateSoundServer server(dir.filePath("server"));
    if (!server.started())
        GTEST_SKIP() << "the sound server script failed";
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    MonitorTap tap(audio);
    ASSERT_TRUE(tap.start(5000).has_value());
    const auto played = device.play(0);
    ASSERT_TRUE(played.has_value()) << played.error().toStdString();
    std::this_thread::sleep_for(std::chrono::milliseconds(1300));
    const auto heard = tap.finish();
    ASSERT_TRUE(heard.has_value());
    EXPECT_GT(rms(heard->samples), 0.1);
}

// The engine when the sound server dies under it: a play right after reports the missing
// device instead of hanging, and a recording cut short says so. Each check runs in a child
// process with a private server it can kill.
#include "AudioSignals.h"
#include "MonitorTap.h"
#include "SoundServerChild.h"
#include "platform/audio/AudioSystem.h"

#include <QFileInfo>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using ::testing::HasSubstr;

namespace {

void expectChildPassed(const QString& test, const QString& hangText) {
    QTemporaryDir dir;
    const ChildRun run = runChild(test, dir, 40000);
    ASSERT_TRUE(run.finished) << hangText.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    if (run.out.contains("[  SKIPPED ]") && !soundServerRequired())
        GTEST_SKIP() << "no sound server can be started here";
    EXPECT_THAT(run.out.toStdString(), HasSubstr("[       OK ] " + test.toStdString()));
}

void pause(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// Starts a server of its own and points this process at it.
std::unique_ptr<PrivateSoundServer> serverAt(const QString& dir) {
    auto server = std::make_unique<PrivateSoundServer>(dir);
    if (server->started())
        qputenv("PULSE_SERVER", server->address().toLocal8Bit());
    return server;
}

} // namespace

TEST(SoundServerGone, PlayAfterTheServerDiedReportsTheMissingDeviceAndNothingHangs) {
    expectChildPassed("SoundServerGoneChild.Play", "a play after the server died froze");
}

TEST(SoundServerGone, RecordingCutShortSaysWhatWasLost) {
    expectChildPassed("SoundServerGoneChild.Record", "a recording whose server died froze");
}

// The server dies while a sound plays, then while the stream waits, stopped, for the next
// play; a server started afterwards plays again.
TEST(SoundServerGoneChild, Play) {
    if (!isChild())
        GTEST_SKIP() << "runs as the child of SoundServerGone only";
    QTemporaryDir dir;
    const QString path = dir.filePath("tone.wav");
    ASSERT_TRUE(writeTone(path, {44100, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.5}).has_value());
    AudioSystem audio;
    IPlaybackDevice& device = audio.playbackDevice();
    ASSERT_TRUE(device.open(path).has_value());
    for (const double crashAfter : {0.2, 1.2}) {
        SCOPED_TRACE(crashAfter);
        auto server = serverAt(dir.filePath(QString::number(crashAfter)));
        if (!server->started())
            GTEST_SKIP() << "the sound server script failed";
        const auto played = device.play(0);
        ASSERT_TRUE(played.has_value()) << played.error().toStdString();
        pause(crashAfter);
        server->crash();
        pause(0.3);
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto again = device.play(0);
            ASSERT_FALSE(again.has_value());
            EXPECT_THAT(again.error().toStdString(), HasSubstr("No sound output device"));
        }
    }
    auto server = serverAt(dir.filePath("last"));
    ASSERT_TRUE(server->started());
    const auto played = device.play(0);
    EXPECT_TRUE(played.has_value()) << played.error().toStdString();
    device.close();
}

TEST(SoundServerGoneChild, Record) {
    if (!isChild())
        GTEST_SKIP() << "runs as the child of SoundServerGone only";
    QTemporaryDir dir;
    auto server = serverAt(dir.filePath("server"));
    if (!server->started())
        GTEST_SKIP() << "the sound server script failed";
    AudioSystem audio;
    auto recorder = audio.newRecordingDevice();
    ASSERT_TRUE(recorder->open().has_value());
    ASSERT_TRUE(recorder->record(5000).has_value());
    pause(1.0);
    server->crash();
    pause(0.5);
    const QString path = dir.filePath("take.wav");
    ::umask(022);
    const auto saved = recorder->save(path);
    ASSERT_FALSE(saved.has_value()) << "a cut recording was saved as complete";
    EXPECT_THAT(saved.error().toStdString(), HasSubstr("of 5 seconds"));
    const auto sound = readMono(path);
    ASSERT_TRUE(sound.has_value()) << "what was recorded is kept";
    EXPECT_GT(sound->seconds(), 0.5);
    EXPECT_LT(sound->seconds(), 2.0);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u) << "a saved recording follows the umask";
    recorder->close();
}

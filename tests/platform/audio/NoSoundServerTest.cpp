// The engine on a machine without a sound server. The checks run in a child process of this
// test program whose environment points the sound libraries at a server that does not exist.
#include "AudioSignals.h"
#include "MonitorTap.h"
#include "platform/audio/AudioSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

constexpr char kChildVariable[] = "TEMBREL_AUDIO_TEST_CHILD";

struct ChildRun {
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs one test of this program in a child without a reachable sound server.
ChildRun runChild(const QString& test, const QTemporaryDir& dir) {
    QFile clientConfig(dir.filePath("client.conf"));
    clientConfig.open(QIODevice::WriteOnly);
    clientConfig.write("autospawn = no\n");
    clientConfig.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildVariable, "1");
    env.insert("PULSE_SERVER", "unix:" + dir.filePath("no-server/native"));
    env.insert("PULSE_CLIENTCONFIG", clientConfig.fileName());
    env.insert("XDG_RUNTIME_DIR", dir.path());
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=" + test});
    ChildRun run;
    run.finished = child.waitForFinished(60000);
    if (!run.finished)
        child.kill();
    run.exitCode = child.exitCode();
    run.out = QString::fromLocal8Bit(child.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(child.readAllStandardError());
    return run;
}

bool isChild() {
    return !qEnvironmentVariableIsEmpty(kChildVariable);
}

} // namespace

TEST(NoSoundServer, OpenPlayAndRecordReportErrorsQuietlyAndNothingHangs) {
    QTemporaryDir dir;
    const ChildRun run = runChild("NoSoundServerChild.*", dir);
    ASSERT_TRUE(run.finished) << "the engine hung without a sound server";
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_THAT(run.out.toStdString(), HasSubstr("[       OK ] NoSoundServerChild.Errors"));
    EXPECT_THAT(run.err.toStdString(), ::testing::Not(HasSubstr("ALSA lib")));
    EXPECT_THAT(run.err.toStdString(), ::testing::Not(HasSubstr("server")));
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
        const auto played = device.play();
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

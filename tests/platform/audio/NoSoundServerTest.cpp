// The engine on a machine without a sound server. The checks run in a child process of this
// test program whose environment points the sound libraries at a server that does not exist.
#include "AudioSignals.h"
#include "MonitorTap.h"
#include "platform/audio/AudioSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

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

// A private sound server of the test, stopped when the object goes.
class PrivateSoundServer {
public:
    explicit PrivateSoundServer(const QString& dir) {
        m_env.insert("TEMBREL_AUDIO_DIR", dir);
        m_started = run("start");
    }
    ~PrivateSoundServer() {
        if (m_started)
            run("stop");
    }
    bool started() const { return m_started; }
    // The server address the start printed, as for PULSE_SERVER.
    QString address() const { return m_address; }

private:
    bool run(const QString& command) {
        QProcess script;
        script.setProcessEnvironment(m_env);
        script.start("/bin/sh", {TEMBREL_PULSE_SCRIPT, command});
        if (!script.waitForFinished(30000) || script.exitCode() != 0)
            return false;
        const QString out = QString::fromLocal8Bit(script.readAllStandardOutput());
        const qsizetype at = out.indexOf("PULSE_SERVER='");
        if (at >= 0)
            m_address = out.mid(at + 14).section('\'', 0, 0);
        return true;
    }

    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    bool m_started = false;
    QString m_address;
};

} // namespace

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

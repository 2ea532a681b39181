#include "SoundServerChild.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <csignal>
#include <sys/types.h>

namespace {

constexpr char kChildVariable[] = "TEMBREL_AUDIO_TEST_CHILD";

} // namespace

ChildRun runChild(const QString& test, const QTemporaryDir& dir, int timeoutMs) {
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
    run.finished = child.waitForFinished(timeoutMs);
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

PrivateSoundServer::PrivateSoundServer(const QString& dir) : m_dir(dir) {
    m_env.insert("TEMBREL_AUDIO_DIR", dir);
    m_started = run("start");
}

PrivateSoundServer::~PrivateSoundServer() {
    if (m_started)
        run("stop");
}

// The pid file lies beside the socket the start printed.
void PrivateSoundServer::crash() {
    const QString socket = m_address.mid(QStringLiteral("unix:").size());
    QFile pidFile(socket.left(socket.lastIndexOf('/')) + "/pid");
    if (!pidFile.open(QIODevice::ReadOnly))
        return;
    const pid_t pid = pidFile.readAll().trimmed().toInt();
    if (pid > 0)
        ::kill(pid, SIGKILL);
}

bool PrivateSoundServer::run(const QString& command) {
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

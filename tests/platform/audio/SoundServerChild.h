#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// Tests that need a sound server of their own, or none at all, run their checks in a child
// process of the test program, whose environment points the sound libraries at that server.

struct ChildRun {
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs one test of this program in a child without a reachable sound server; a child still
// running after timeoutMs is killed (finished stays false).
ChildRun runChild(const QString& test, const QTemporaryDir& dir, int timeoutMs = 60000);
// True in such a child.
bool isChild();

// A private sound server of the test, stopped when the object goes.
class PrivateSoundServer {
public:
    explicit PrivateSoundServer(const QString& dir);
    ~PrivateSoundServer();
    bool started() const { return m_started; }
    // The server address the start printed, as for PULSE_SERVER.
    QString address() const { return m_address; }
    // Kills the server outright, as a crash would.
    void crash();

private:
    bool run(const QString& command);

    QString m_dir;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    bool m_started = false;
    QString m_address;
};

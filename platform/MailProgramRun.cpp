#include "platform/MailProgramRun.h"

#include "platform/MimeMessage.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <csignal>
#include <optional>
#include <unistd.h>

namespace {

// How much of the message may wait in the pipe's buffer before the next block is encoded.
constexpr qint64 kMaxPendingBytes = 256 * 1024;
// How long a killed program may take to be gone.
constexpr int kReapMs = 5000;

class MailProgramRun {
public:
    explicit MailProgramRun(const OutgoingMail& mail) : m_stream(mail, MimeFrame::now()) {}
    MailProgramEnd run(const QString& program, const QStringList& arguments,
                       std::chrono::milliseconds timeLimit, std::stop_token stop);

private:
    void prepare(const QString& program, const QStringList& arguments);
    void feed();
    void end(MailProgramEnd how);
    void killGroup();

    MimeMessageStream m_stream;
    QProcess m_process;
    QEventLoop m_loop;
    std::optional<MailProgramEnd> m_end;
    bool m_inputClosed = false;
};

void MailProgramRun::prepare(const QString& program, const QStringList& arguments) {
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setChildProcessModifier([] { ::setpgid(0, 0); });
    QObject::connect(&m_process, &QProcess::started, &m_loop, [this] { feed(); });
    QObject::connect(&m_process, &QProcess::bytesWritten, &m_loop, [this] { feed(); });
    QObject::connect(&m_process, &QProcess::finished, &m_loop, [this] {
        const bool read = !m_stream.failed();
        const bool exitedWell =
            m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
        end(read && exitedWell ? MailProgramEnd::Delivered : MailProgramEnd::Refused);
    });
    QObject::connect(&m_process, &QProcess::errorOccurred, &m_loop,
                     [this](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             end(MailProgramEnd::NotStarted);
                     });
}

MailProgramEnd MailProgramRun::run(const QString& program, const QStringList& arguments,
                                   std::chrono::milliseconds timeLimit, std::stop_token stop) {
    prepare(program, arguments);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &m_loop,
                     [this] { end(MailProgramEnd::TimedOut); });
    deadline.start(timeLimit);
    // The request may come from another thread: the run ends on this one.
    const std::stop_callback onStop(stop, [this] {
        QMetaObject::invokeMethod(
            &m_loop, [this] { end(MailProgramEnd::Stopped); }, Qt::QueuedConnection);
    });
    m_process.start();
    if (!m_end)
        m_loop.exec();
    if (*m_end != MailProgramEnd::Delivered && *m_end != MailProgramEnd::Refused &&
        *m_end != MailProgramEnd::NotStarted)
        killGroup();
    return *m_end;
}

// Keeps only a few blocks in the pipe's buffer; the end of the input tells the program the
// message is complete, so a message that could not be read whole never gets one.
void MailProgramRun::feed() {
    while (!m_end && !m_inputClosed && m_process.bytesToWrite() <= kMaxPendingBytes) {
        const QByteArray piece = m_stream.next();
        if (piece.isEmpty()) {
            if (m_stream.failed()) {
                end(MailProgramEnd::Unreadable);
                return;
            }
            m_process.closeWriteChannel();
            m_inputClosed = true;
            return;
        }
        m_process.write(piece);
    }
}

void MailProgramRun::end(MailProgramEnd how) {
    if (m_end)
        return;
    m_end = how;
    m_loop.quit();
}

// The program leads its group; what it started is in the group unless it left on purpose.
// The program itself is killed too, should it not have made its group yet.
void MailProgramRun::killGroup() {
    const qint64 pid = m_process.processId();
    if (pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    m_process.kill();
    m_process.waitForFinished(kReapMs);
}

} // namespace

MailProgramEnd runMailProgram(const QString& program, const QStringList& arguments,
                              const OutgoingMail& mail, std::chrono::milliseconds timeLimit,
                              std::stop_token stop) {
    MailProgramRun run(mail);
    return run.run(program, arguments, timeLimit, stop);
}

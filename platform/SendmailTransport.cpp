#include "platform/SendmailTransport.h"

#include "platform/Launcher.h"
#include "platform/MimeEncoding.h"
#include "platform/MimeMessage.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// How much of the message may wait in the pipe's buffer before the next block is encoded.
constexpr qint64 kMaxPendingBytes = 256 * 1024;

bool everyRecipientHasAnAddress(const OutgoingMail& mail) {
    if (mail.recipients.isEmpty())
        return false;
    for (const MailRecipient& recipient : mail.recipients) {
        if (mime::addressList(recipient.name).isEmpty())
            return false;
    }
    return true;
}

bool everyAttachmentReadable(const OutgoingMail& mail) {
    for (const MailAttachment& attachment : mail.attachments) {
        const QFileInfo info(attachment.path);
        if (!info.isFile() || !info.isReadable())
            return false;
    }
    return true;
}

int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(deadline.remainingTime());
}

void stop(QProcess& process) {
    process.kill();
    process.waitForFinished(5000);
}

// Feeds the message into the program, keeping only a few blocks in the pipe's buffer.
// False when the message could not be written whole before the deadline.
bool feed(QProcess& process, MimeMessageStream& stream, const QDeadlineTimer& deadline) {
    for (QByteArray piece = stream.next(); !piece.isEmpty(); piece = stream.next()) {
        process.write(piece);
        while (process.bytesToWrite() > kMaxPendingBytes) {
            if (!process.waitForBytesWritten(remainingMs(deadline)))
                return false;
        }
    }
    if (stream.failed())
        return false;
    while (process.bytesToWrite() > 0) {
        if (!process.waitForBytesWritten(remainingMs(deadline)))
            return false;
    }
    return true;
}

} // namespace

QString locateProgram(const QString& program) {
    if (program.contains(QLatin1Char('/')))
        return QFileInfo::exists(program) ? program : QString();
    const QString executable = QStandardPaths::findExecutable(program);
    if (!executable.isEmpty())
        return executable;
    const QStringList folders =
        qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(program);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

SendmailTransport::SendmailTransport(std::function<QString()> commandLine,
                                     std::chrono::milliseconds timeLimit)
    : m_commandLine(std::move(commandLine)), m_timeLimit(timeLimit) {}

MailResult SendmailTransport::availability() {
    const QStringList parts = splitCommandLine(m_commandLine());
    const QString path = parts.isEmpty() ? QString() : locateProgram(parts.first());
    if (path.isEmpty())
        return MailResult::NoMailSystem;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return MailResult::InvalidMailSystem;
    return MailResult::Success;
}

MailResult SendmailTransport::send(const OutgoingMail& mail) {
    const MailResult available = availability();
    if (available != MailResult::Success)
        return available;
    if (!everyRecipientHasAnAddress(mail) || !everyAttachmentReadable(mail))
        return MailResult::Failure;

    const QStringList parts = splitCommandLine(m_commandLine());
    QProcess process;
    process.setProgram(locateProgram(parts.first()));
    process.setArguments(parts.mid(1));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());

    const QDeadlineTimer deadline(m_timeLimit);
    process.start();
    if (!process.waitForStarted(remainingMs(deadline))) {
        // The file is there and marked executable, yet the system would not run it.
        const bool refused = process.error() == QProcess::FailedToStart;
        stop(process);
        return refused ? MailResult::InvalidMailSystem : MailResult::Failure;
    }
    MimeMessageStream stream(mail, MimeFrame::now());
    const bool fed = feed(process, stream, deadline);
    // A message that was not written whole must not go out: stop the program before it
    // sees the end of its input.
    if (stream.failed() || (!fed && process.state() == QProcess::Running)) {
        stop(process);
        return MailResult::Failure;
    }
    process.closeWriteChannel();
    if (process.state() == QProcess::Running && !process.waitForFinished(remainingMs(deadline))) {
        stop(process);
        return MailResult::Failure;
    }
    const bool delivered = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return delivered ? MailResult::Success : MailResult::Failure;
}

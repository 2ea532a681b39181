#include "platform/SendmailTransport.h"

#include "platform/Launcher.h"
#include "platform/MailProgramRun.h"
#include "platform/MimeEncoding.h"
#include "platform/RawFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool everyRecipientHasAnAddress(const OutgoingMail& mail) {
    if (mail.recipients.isEmpty())
        return false;
    for (const MailRecipient& recipient : mail.recipients) {
        if (!mime::isAddressList(recipient.name))
            return false;
    }
    return true;
}

// Opened by the file system's own bytes of the name, as the message will read them.
bool everyAttachmentReadable(const OutgoingMail& mail) {
    for (const MailAttachment& attachment : mail.attachments) {
        if (!RegularFile::open(attachment.path))
            return false;
    }
    return true;
}

MailResult resultOf(MailProgramEnd end) {
    switch (end) {
    case MailProgramEnd::Delivered:
        return MailResult::Success;
    case MailProgramEnd::NotStarted: // the file is there and marked executable, yet not run
        return MailResult::InvalidMailSystem;
    case MailProgramEnd::Stopped:
        return MailResult::UserAbort;
    case MailProgramEnd::Refused:
    case MailProgramEnd::Unreadable:
    case MailProgramEnd::TimedOut:
        break;
    }
    return MailResult::Failure;
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

MailResult SendmailTransport::send(const OutgoingMail& mail, std::stop_token stop) {
    const MailResult available = availability();
    if (available != MailResult::Success)
        return available;
    if (!everyRecipientHasAnAddress(mail) || !everyAttachmentReadable(mail))
        return MailResult::Failure;
    const QStringList parts = splitCommandLine(m_commandLine());
    return resultOf(
        runMailProgram(locateProgram(parts.first()), parts.mid(1), mail, m_timeLimit, stop));
}

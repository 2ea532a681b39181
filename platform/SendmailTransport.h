#pragma once

#include "platform/MailTransport.h"

#include <QString>
#include <chrono>
#include <functional>

// The mail program used when the data file names none.
inline const QString kDefaultMailCommand = QStringLiteral("/usr/sbin/sendmail -t -i");

// Hands the message to a sendmail-compatible program on its standard input (see
// runMailProgram). The command line is split on blanks; the program takes the recipients from
// the message's headers (-t). Exit status 0 means the program took the message. A program that
// has not finished within the time limit is stopped with everything it started, and the send
// counts as failed.
class SendmailTransport final : public IMailTransport {
public:
    // commandLine is asked at every use, so a changed setting takes effect at the next send.
    explicit SendmailTransport(std::function<QString()> commandLine,
                               std::chrono::milliseconds timeLimit = std::chrono::seconds(60));

    MailResult availability() override;
    // Refuses a message with a recipient that is no address, before starting anything.
    MailResult send(const OutgoingMail& mail, std::stop_token stop) override;

private:
    std::function<QString()> m_commandLine;
    std::chrono::milliseconds m_timeLimit;
};

// Where a program named by a command line is: the path itself when it holds a slash, else the
// first file of that name on PATH (executable or not). Empty when there is none.
QString locateProgram(const QString& program);

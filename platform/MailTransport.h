#pragma once

#include <QList>
#include <QString>
#include <stop_token>

// One message as the program hands it to the mail system: the recipients with their classes,
// the subject, the note text and the attached files.
struct MailRecipient {
    enum class Kind { To, Cc };
    Kind kind = Kind::To;
    QString name; // as typed: one address or several separated by commas
};

struct MailAttachment {
    QString path;     // the file to attach
    QString fileName; // the name the receiver sees; empty: the path's file name
    int position = 0; // where the attachment sits in the note text
};

struct OutgoingMail {
    QList<MailRecipient> recipients;
    QString subject; // empty: the message has no subject
    QString noteText;
    QList<MailAttachment> attachments;
};

// The outcomes of a send. Transports that ask the user to log on may give UserAbort or
// LogonFailure; the program takes those quietly.
enum class MailResult {
    Success,
    UserAbort,
    LogonFailure,
    NoMailSystem,      // the configured mail program is not there
    InvalidMailSystem, // it is there but cannot be run
    Failure,           // it ran and did not take the message, or was stopped
};

// Delivers messages through the system's mail service.
class IMailTransport {
public:
    virtual ~IMailTransport() = default;
    // Whether the mail system can be used at all: Success, NoMailSystem or InvalidMailSystem.
    virtual MailResult availability() = 0;
    // Hands the message over. A transport that waits for the mail system handles the calling
    // thread's events meanwhile (windows are drawn, a Cancel is clicked); a stop request ends
    // the send with UserAbort, having sent nothing.
    virtual MailResult send(const OutgoingMail& mail, std::stop_token stop) = 0;
};

#pragma once

#include "platform/MailTransport.h"

#include <QString>

// One message on its way to the mail system, built up recipient by recipient. Constructing it
// asks whether the mail system can be used at all; a message whose mail system is missing or
// broken sends nothing.
class CMailMessage {
public:
    explicit CMailMessage(IMailTransport& transport);

    // Success, NoMailSystem or InvalidMailSystem, as found when the message was made.
    MailResult loadResult() const { return m_loadResult; }

    void addToRecipient(const QString& name); // added even when empty
    void addCcRecipient(const QString& name);
    void setSubject(const QString& subject);
    void addAttachment(const QString& path, const QString& fileName = {});
    void setNoteText(const QString& text);

    // Appends one blank to the note for every attachment and places attachment i on the i-th
    // of them, then hands the message over; a stop request cancels the send.
    MailResult send(std::stop_token stop = {});

    const OutgoingMail& content() const { return m_mail; }

private:
    IMailTransport& m_transport;
    MailResult m_loadResult;
    OutgoingMail m_mail;
};

// The box text for a result; empty for the results that are taken quietly.
QString mailResultText(MailResult result);

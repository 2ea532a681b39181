#include "mail/CMailMessage.h"

CMailMessage::CMailMessage(IMailTransport& transport)
    : m_transport(transport), m_loadResult(transport.availability()) {}

void CMailMessage::addToRecipient(const QString& name) {
    m_mail.recipients.append({MailRecipient::Kind::To, name});
}

void CMailMessage::addCcRecipient(const QString& name) {
    m_mail.recipients.append({MailRecipient::Kind::Cc, name});
}

void CMailMessage::setSubject(const QString& subject) {
    m_mail.subject = subject;
}

void CMailMessage::addAttachment(const QString& path, const QString& fileName) {
    m_mail.attachments.append({path, fileName, 0});
}

void CMailMessage::setNoteText(const QString& text) {
    m_mail.noteText = text;
}

MailResult CMailMessage::send(std::stop_token stop) {
    if (m_loadResult != MailResult::Success)
        return m_loadResult;
    const auto textLength = static_cast<int>(m_mail.noteText.size());
    for (int i = 0; i < m_mail.attachments.size(); ++i) {
        m_mail.noteText += QLatin1Char(' ');
        m_mail.attachments[i].position = textLength + i;
    }
    return m_transport.send(m_mail, stop);
}

QString mailResultText(MailResult result) {
    switch (result) {
    case MailResult::Success:
    case MailResult::UserAbort:
    case MailResult::LogonFailure:
        return {};
    case MailResult::NoMailSystem:
        return QStringLiteral("Unable to load mail system support.");
    case MailResult::InvalidMailSystem:
        return QStringLiteral("Mail system DLL is invalid.");
    case MailResult::Failure:
        break;
    }
    return QStringLiteral("Send Mail failed to send message.");
}

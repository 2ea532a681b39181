#pragma once

#include "platform/MailTransport.h"

#include <QList>

// Keeps every message it is given instead of sending it, and answers with scripted results.
class FakeMailTransport final : public IMailTransport {
public:
    MailResult availability() override { return available; }
    MailResult send(const OutgoingMail& mail, std::stop_token) override {
        sent.append(mail);
        return result;
    }
    MailResult available = MailResult::Success;
    MailResult result = MailResult::Success;
    QList<OutgoingMail> sent;
};

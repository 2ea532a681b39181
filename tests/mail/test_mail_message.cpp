#include "mail/CMailMessage.h"
#include "tests/support/FakeMailTransport.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(MailMessageTest, NoteGetsOneBlankPerAttachmentWhereTheAttachmentsSit) {
    FakeMailTransport transport;
    CMailMessage message(transport);
    message.addToRecipient(QString());
    message.setNoteText(QStringLiteral("Bell"));
    message.addAttachment(QStringLiteral("/c/Bell.wav"));
    EXPECT_EQ(message.send(), MailResult::Success);
    ASSERT_EQ(transport.sent.size(), 1);
    const OutgoingMail& sent = transport.sent.first();
    EXPECT_EQ(sent.noteText, QStringLiteral("Bell "));
    EXPECT_EQ(sent.attachments.first().position, 4);
    ASSERT_EQ(sent.recipients.size(), 1); // an empty To is still a recipient
    EXPECT_EQ(sent.recipients.first().kind, MailRecipient::Kind::To);

    CMailMessage two(transport);
    two.setNoteText(QStringLiteral("Bell"));
    two.addAttachment(QStringLiteral("/c/Bell.wav"));
    two.addAttachment(QStringLiteral("/c/Gong.wav"), QStringLiteral("Gong.wav"));
    two.send();
    EXPECT_EQ(transport.sent.last().noteText, QStringLiteral("Bell  "));
    EXPECT_EQ(transport.sent.last().attachments.at(1).position, 5);
}

TEST(MailMessageTest, MissingOrBrokenMailSystemSendsNothing) {
    for (const MailResult load : {MailResult::NoMailSystem, MailResult::InvalidMailSystem}) {
        FakeMailTransport transport;
        transport.available = load;
        CMailMessage message(transport);
        message.addToRecipient(QStringLiteral("a@b.org"));
        EXPECT_EQ(message.loadResult(), load);
        EXPECT_EQ(message.send(), load);
        EXPECT_TRUE(transport.sent.isEmpty());
    }
}

TEST(MailMessageTest, OnlyRealFailuresAreReported) {
    EXPECT_TRUE(mailResultText(MailResult::Success).isEmpty());
    EXPECT_TRUE(mailResultText(MailResult::UserAbort).isEmpty());
    EXPECT_TRUE(mailResultText(MailResult::LogonFailure).isEmpty());
    EXPECT_EQ(mailResultText(MailResult::NoMailSystem),
              QStringLiteral("Unable to load mail system support."));
    EXPECT_EQ(mailResultText(MailResult::InvalidMailSystem),
              QStringLiteral("Mail system DLL is invalid."));
    EXPECT_EQ(mailResultText(MailResult::Failure),
              QStringLiteral("Send Mail failed to send message."));
}

} // namespace

#include "platform/SendmailTransport.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Stand-in mail programs: each keeps its arguments and what it read, then exits as told.
class SendmailTransportTest : public ::testing::Test {
protected:
    QString program(const QString& name, const QByteArray& body,
                    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ExeOwner) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
        file.close();
        file.setPermissions(permissions);
        return path;
    }
    QString recorder(int exitCode) {
        const QByteArray dir = QFile::encodeName(m_dir.path());
        return program(QStringLiteral("mailer"), "#!/bin/sh\nprintf '%s\\n' \"$@\" > " + dir +
                                                     "/args\ncat > " + dir + "/message\nexit " +
                                                     QByteArray::number(exitCode) + "\n");
    }
    QByteArray recorded(const QString& what) const {
        QFile file(m_dir.filePath(what));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString sound() {
        const QString path = m_dir.filePath(QStringLiteral("Bell.wav"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF1234");
        return path;
    }
    OutgoingMail mailTo(const QString& to) {
        OutgoingMail mail;
        mail.recipients = {{MailRecipient::Kind::To, to}};
        mail.noteText = QStringLiteral("Bell ");
        mail.attachments = {{sound(), {}, 4}};
        return mail;
    }
    static MailResult sendWith(const QString& command, const OutgoingMail& mail,
                               std::chrono::milliseconds limit = std::chrono::seconds(60)) {
        SendmailTransport transport([command] { return command; }, limit);
        return transport.send(mail);
    }

    QTemporaryDir m_dir;
};

TEST_F(SendmailTransportTest, ProgramGetsItsArgumentsAndTheMessageWithoutAShell) {
    const QString mailer = recorder(0);
    const QString marker = m_dir.filePath(QStringLiteral("marker"));
    const QString command = mailer + QStringLiteral("  -t -i ;touch$IFS") + marker;
    EXPECT_EQ(sendWith(command, mailTo(QStringLiteral("a@b.org"))), MailResult::Success);
    EXPECT_EQ(recorded(QStringLiteral("args")), "-t\n-i\n;touch$IFS" + marker.toUtf8() + '\n');
    EXPECT_FALSE(QFile::exists(marker));
    const QByteArray message = recorded(QStringLiteral("message"));
    EXPECT_TRUE(message.contains("\nTo: a@b.org\n")) << message.toStdString();
    EXPECT_TRUE(message.contains("\nUklGRjEyMzQ=\n"));
}

TEST_F(SendmailTransportTest, ResultsFollowWhatBecameOfTheProgram) {
    const OutgoingMail mail = mailTo(QStringLiteral("a@b.org"));
    EXPECT_EQ(sendWith(m_dir.filePath(QStringLiteral("none")), mail), MailResult::NoMailSystem);
    EXPECT_EQ(sendWith(QStringLiteral("tembrel-no-such-mailer -t"), mail),
              MailResult::NoMailSystem);
    EXPECT_EQ(sendWith(QStringLiteral("   "), mail), MailResult::NoMailSystem);
    EXPECT_EQ(sendWith(program(QStringLiteral("plain"), "#!/bin/sh\n", QFile::ReadOwner), mail),
              MailResult::InvalidMailSystem);
    EXPECT_EQ(sendWith(program(QStringLiteral("junk"), "\x7f\x45LF garbage"), mail),
              MailResult::InvalidMailSystem);
    EXPECT_EQ(sendWith(m_dir.path(), mail), MailResult::InvalidMailSystem);
    EXPECT_EQ(sendWith(recorder(75), mail), MailResult::Failure);
    EXPECT_EQ(sendWith(QStringLiteral("false"), mail), MailResult::Failure);
}

TEST_F(SendmailTransportTest, EmptyRecipientOrMissingSoundStartsNothing) {
    const QString mailer = recorder(0);
    OutgoingMail noAddress = mailTo(QStringLiteral("  "));
    EXPECT_EQ(sendWith(mailer, noAddress), MailResult::Failure);
    OutgoingMail emptyCc = mailTo(QStringLiteral("a@b.org"));
    emptyCc.recipients.append({MailRecipient::Kind::Cc, QString()});
    EXPECT_EQ(sendWith(mailer, emptyCc), MailResult::Failure);
    OutgoingMail vanished = mailTo(QStringLiteral("a@b.org"));
    QFile::remove(vanished.attachments.first().path);
    EXPECT_EQ(sendWith(mailer, vanished), MailResult::Failure);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("args"))));
}

TEST_F(SendmailTransportTest, ProgramThatNeverFinishesIsStoppedAndFails) {
    const QString stuck = program(QStringLiteral("stuck"), "#!/bin/sh\nexec sleep 30\n");
    EXPECT_EQ(sendWith(stuck, mailTo(QStringLiteral("a@b.org")), std::chrono::milliseconds(300)),
              MailResult::Failure);
}

} // namespace

#include "platform/SendmailTransport.h"
#include "tests/support/QtPrinters.h"

#include "platform/NativeName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <stop_token>

namespace {

// Alive and not just waiting to be reaped by whoever adopted it.
bool runs(const QByteArray& pid) {
    QFile stat(QStringLiteral("/proc/") + QString::fromLatin1(pid) + QStringLiteral("/stat"));
    if (pid.isEmpty() || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}

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
        return transport.send(mail, {});
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
    for (const char* notAnAddress : {"not an address", "Jo <jo>", "a@b.org, @c", "a@b.org c@d"})
        EXPECT_EQ(sendWith(mailer, mailTo(QString::fromUtf8(notAnAddress))), MailResult::Failure)
            << notAnAddress;
    OutgoingMail vanished = mailTo(QStringLiteral("a@b.org"));
    QFile::remove(vanished.attachments.first().path);
    EXPECT_EQ(sendWith(mailer, vanished), MailResult::Failure);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("args"))));
}

// The program starts a helper, notes its process id and hangs.
TEST_F(SendmailTransportTest, HangingProgramIsStoppedWithWhatItStartedWhileEventsGoOn) {
    const QByteArray helperFile = QFile::encodeName(m_dir.filePath(QStringLiteral("helper")));
    const QString stuck = program(QStringLiteral("stuck"), "#!/bin/sh\nsleep 300 &\necho $! > " +
                                                               helperFile + "\nexec sleep 300\n");
    const auto helperGone = [this] {
        const QByteArray helper = recorded(QStringLiteral("helper")).trimmed();
        for (int i = 0; i < 100 && runs(helper); ++i)
            QThread::msleep(50);
        return !helper.isEmpty() && !runs(helper);
    };
    EXPECT_EQ(sendWith(stuck, mailTo(QStringLiteral("a@b.org")), std::chrono::milliseconds(500)),
              MailResult::Failure);
    EXPECT_TRUE(helperGone());

    std::stop_source cancel;
    bool handledDuringSend = false;
    QTimer::singleShot(500, [&] {
        handledDuringSend = true;
        cancel.request_stop();
    });
    SendmailTransport transport([stuck] { return stuck; }, std::chrono::seconds(60));
    EXPECT_EQ(transport.send(mailTo(QStringLiteral("a@b.org")), cancel.get_token()),
              MailResult::UserAbort);
    EXPECT_TRUE(handledDuringSend);
    EXPECT_TRUE(helperGone());
}

TEST_F(SendmailTransportTest, AttachmentWhoseNameIsNotUtf8IsReadFromItsOwnBytes) {
    const QByteArray bytes = QFile::encodeName(m_dir.path()) + "/caf\xe9.wav";
    QFile file;
    ASSERT_TRUE(file.open(std::fopen(bytes.constData(), "wb"), QIODevice::WriteOnly,
                          QFileDevice::AutoCloseHandle));
    file.write("RIFF1234");
    file.close();
    OutgoingMail mail = mailTo(QStringLiteral("a@b.org"));
    mail.attachments = {{nativename::decode(bytes), {}, 4}};
    EXPECT_EQ(sendWith(recorder(0), mail), MailResult::Success);
    const QByteArray message = recorded(QStringLiteral("message"));
    EXPECT_TRUE(message.contains("\nUklGRjEyMzQ=\n"));
    EXPECT_TRUE(message.contains("filename*=UTF-8''caf%EF%BF%BD.wav")) << message.toStdString();
}

} // namespace

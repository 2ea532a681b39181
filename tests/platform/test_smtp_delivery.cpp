#include "platform/SendmailTransport.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A message goes the whole way a user's would: msmtp as the sendmail-compatible program hands
// it over SMTP to a local server (aiosmtpd), which stores it in a maildir; Python's own mail
// parser then reads what arrived.
namespace {

int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

bool accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const bool connected =
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

const char* const kReadMaildir = R"(
import email, email.policy, json, os, sys
folder = os.path.join(sys.argv[1], 'new')
names = os.listdir(folder)
with open(os.path.join(folder, names[0]), 'rb') as f:
    msg = email.message_from_binary_file(f, policy=email.policy.default)
parts = list(msg.iter_attachments())
with open(sys.argv[2], 'wb') as f:
    f.write(parts[0].get_content())
print(json.dumps({'count': len(names), 'rcpt': msg['X-RcptTo'], 'to': str(msg['To']),
    'cc': str(msg['Cc']), 'subject': str(msg['Subject']),
    'body': msg.get_body(('plain',)).get_content(), 'type': parts[0].get_content_type(),
    'filename': parts[0].get_filename(), 'attachments': len(parts)}))
)";

class SmtpDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_port = freePort();
        m_server.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                        QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(m_port),
                        QStringLiteral("-c"), QStringLiteral("aiosmtpd.handlers.Mailbox"),
                        m_dir.filePath(QStringLiteral("maildir"))});
        ASSERT_TRUE(m_server.waitForStarted()) << "python3-aiosmtpd is needed";
        for (int i = 0; i < 200 && !accepts(m_port); ++i)
            QThread::msleep(50);
        ASSERT_TRUE(accepts(m_port)) << m_server.readAllStandardError().toStdString();
        QFile config(m_dir.filePath(QStringLiteral("msmtprc")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write("account default\nhost 127.0.0.1\nport " + QByteArray::number(m_port) +
                     "\nfrom tembrel@localhost\nauth off\ntls off\n");
        config.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    void TearDown() override {
        m_server.kill();
        m_server.waitForFinished();
    }
    QJsonObject received(const QString& attachmentCopy) {
        QProcess reader;
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"), QString::fromLatin1(kReadMaildir),
                      m_dir.filePath(QStringLiteral("maildir")), attachmentCopy});
        reader.waitForFinished();
        const QByteArray output = reader.readAllStandardOutput();
        EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(output).object();
    }

    QTemporaryDir m_dir;
    QProcess m_server;
    int m_port = 0;
};

TEST_F(SmtpDeliveryTest, SoundArrivesWithItsRecipientsSubjectNoteAndExactBytes) {
    QByteArray sound(300 * 1024, '\0');
    for (qsizetype i = 0; i < sound.size(); ++i)
        sound[i] = static_cast<char>((i * 7919) % 256);
    const QString soundPath = m_dir.filePath(QStringLiteral("Glöckchen \"1\".wav"));
    QFile file(soundPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sound);
    file.close();

    OutgoingMail mail;
    mail.recipients = {{MailRecipient::Kind::To, QStringLiteral("Jörg Müller <to@example.org>")},
                       {MailRecipient::Kind::Cc, QStringLiteral("cc@example.org")}};
    mail.subject = QStringLiteral("Wave sound from Tembrel – Glöckchen");
    mail.noteText = QStringLiteral("Glöckchen \"1\" ");
    mail.attachments = {{soundPath, {}, 13}};
    const QString command =
        QStringLiteral("/usr/bin/msmtp -C %1 -t").arg(m_dir.filePath(QStringLiteral("msmtprc")));
    SendmailTransport transport([command] { return command; });
    ASSERT_EQ(transport.send(mail, {}), MailResult::Success) << "msmtp is needed";

    const QString copy = m_dir.filePath(QStringLiteral("copy"));
    const QJsonObject message = received(copy);
    EXPECT_EQ(message[QStringLiteral("count")].toInt(), 1);
    EXPECT_EQ(message[QStringLiteral("rcpt")].toString(),
              QStringLiteral("to@example.org, cc@example.org"));
    EXPECT_EQ(message[QStringLiteral("to")].toString(),
              QStringLiteral("Jörg Müller <to@example.org>"));
    EXPECT_EQ(message[QStringLiteral("cc")].toString(), QStringLiteral("cc@example.org"));
    EXPECT_EQ(message[QStringLiteral("subject")].toString(), mail.subject);
    EXPECT_EQ(message[QStringLiteral("body")].toString(), mail.noteText);
    EXPECT_EQ(message[QStringLiteral("type")].toString(), QStringLiteral("audio/wav"));
    EXPECT_EQ(message[QStringLiteral("filename")].toString(),
              QStringLiteral("Glöckchen \"1\".wav"));
    EXPECT_EQ(message[QStringLiteral("attachments")].toInt(), 1);
    QFile arrived(copy);
    ASSERT_TRUE(arrived.open(QIODevice::ReadOnly));
    EXPECT_TRUE(arrived.readAll() == sound);
}

} // namespace

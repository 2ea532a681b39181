#include "platform/MimeEncoding.h"
#include "platform/MimeMessage.h"
#include "tests/support/Forked.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class MimeMessageTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static MimeFrame frame() {
        return {QDateTime(QDate(2026, 12, 8), QTime(13, 4, 58), QTimeZone::utc()), "=_b"};
    }
    static std::string text(const OutgoingMail& mail) {
        return mimeMessageText(mail, frame()).toStdString();
    }
    static QByteArray headers(const OutgoingMail& mail) {
        const QByteArray message = mimeMessageText(mail, frame());
        return message.left(message.indexOf("\n\n") + 1);
    }
    static OutgoingMail mailTo(const QString& to, const QString& subject) {
        OutgoingMail mail;
        mail.recipients = {{MailRecipient::Kind::To, to}};
        mail.subject = subject;
        return mail;
    }

    QTemporaryDir m_dir;
};

// Undoes RFC 2047 "B" encoded-words and unfolds, as a reader would.
QString decodedHeader(QByteArray value) {
    value.replace("\n ", " ").replace("?= =?", "?==?");
    static const QRegularExpression word(QStringLiteral("=\\?UTF-8\\?B\\?([^?]*)\\?="));
    QString text = QString::fromUtf8(value);
    for (auto match = word.match(text); match.hasMatch(); match = word.match(text)) {
        text.replace(match.capturedStart(), match.capturedLength(),
                     QString::fromUtf8(QByteArray::fromBase64(match.captured(1).toLatin1())));
    }
    return text;
}

TEST_F(MimeMessageTest, SoundMessageHasTheNoteAndTheSoundUnderItsFileName) {
    OutgoingMail mail =
        mailTo(QStringLiteral("someone@example.org"), QStringLiteral("Wave sound from Tembrel"));
    mail.recipients.append(
        {MailRecipient::Kind::Cc, QStringLiteral("a@b.org, \"Doe, J\" <j@d.org>")});
    mail.noteText = QStringLiteral("Bell ");
    mail.attachments = {{write(QStringLiteral("Bell.wav"), "RIFF1234"), {}, 4}};
    EXPECT_EQ(text(mail), R"(Date: 08 Dec 2026 13:04:58 +0000
To: someone@example.org
Cc: a@b.org, "Doe, J" <j@d.org>
Subject: Wave sound from Tembrel
MIME-Version: 1.0
Content-Type: multipart/mixed;
 boundary="=_b"

This is a multi-part message in MIME format.
--=_b
Content-Type: text/plain; charset=UTF-8
Content-Transfer-Encoding: quoted-printable

Bell=20
--=_b
Content-Type: audio/wav;
 name="Bell.wav"
Content-Transfer-Encoding: base64
Content-Disposition: attachment;
 filename="Bell.wav"

UklGRjEyMzQ=
--=_b--
)");
}

TEST_F(MimeMessageTest, EmptySubjectAndEmptyCcWriteNoHeader) {
    OutgoingMail mail = mailTo(QStringLiteral("someone@example.org"), {});
    mail.recipients.append({MailRecipient::Kind::Cc, QString()});
    EXPECT_EQ(headers(mail).toStdString(), R"(Date: 08 Dec 2026 13:04:58 +0000
To: someone@example.org
MIME-Version: 1.0
Content-Type: multipart/mixed;
 boundary="=_b"
)");
}

TEST_F(MimeMessageTest, LineBreaksInFieldsNeverStartAHeader) {
    const OutgoingMail mail = mailTo(QStringLiteral("a@b.org\r\nBcc: spy@evil.org"),
                                     QStringLiteral("Hi\nBcc: spy@evil.org\rX-A: 1"));
    const QByteArray head = headers(mail);
    EXPECT_FALSE(head.contains("\nBcc:")) << head.toStdString();
    EXPECT_FALSE(head.contains("\nX-A:")) << head.toStdString();
    EXPECT_FALSE(head.contains('\r'));
    EXPECT_TRUE(head.contains("To: a@b.org  Bcc: spy@evil.org\n"));
}

TEST_F(MimeMessageTest, NonAsciiTextIsEncodedAndFoldedWithinTheLineLimit) {
    const QString subject = QStringLiteral("Glockenläuten für Jörg – ") +
                            QString(40, QChar(0x00e9)) + QStringLiteral(" 🔔 end");
    const OutgoingMail mail = mailTo(QStringLiteral("Jörg Müller <jm@example.org>"), subject);
    const QByteArray head = headers(mail);
    for (const QByteArray& line : head.split('\n')) {
        EXPECT_LE(line.size(), 78) << line.toStdString();
        for (const char c : line)
            EXPECT_TRUE(c >= 0x20 && c < 0x7f) << line.toStdString();
    }
    const qsizetype subjectAt = head.indexOf("Subject: ") + 9;
    const QByteArray folded = head.mid(subjectAt, head.indexOf("\nMIME-") - subjectAt);
    EXPECT_EQ(decodedHeader(folded), subject);
    EXPECT_TRUE(head.contains("<jm@example.org>\n"));
    EXPECT_EQ(mime::headerText(QStringLiteral("a =?x?= b")).left(10), "=?UTF-8?B?");
}

TEST_F(MimeMessageTest, FileNamesWithQuotesAndLettersBeyondAsciiKeepTheirName) {
    EXPECT_EQ(mime::parameter("filename", QStringLiteral("say \"hi\\\".wav")).toStdString(),
              R"(filename="say \"hi\\\".wav")");
    EXPECT_EQ(mime::parameter("filename", QStringLiteral("Glöckchen 1.wav")).toStdString(),
              "filename*=UTF-8''Gl%C3%B6ckchen%201.wav");
    EXPECT_EQ(mime::parameter("filename", QStringLiteral("a\nb.wav")).toStdString(),
              "filename*=UTF-8''a%0Ab.wav");
}

TEST_F(MimeMessageTest, QuotedPrintableKeepsLinesShortAndNeverALoneDot) {
    const QByteArray encoded = mime::quotedPrintable(QByteArray(75, 'a') + ". ä=");
    EXPECT_EQ(encoded.toStdString(), std::string(75, 'a') + "=\n=2E =C3=A4=3D\n");
}

TEST_F(MimeMessageTest, LargeSoundIsEncodedBlockByBlockToTheExactBytes) {
    QByteArray sound(3 * 1024 * 1024 + 7, '\0');
    for (qsizetype i = 0; i < sound.size(); ++i)
        sound[i] = static_cast<char>((i * 131) % 251);
    OutgoingMail mail = mailTo(QStringLiteral("a@b.org"), {});
    mail.attachments = {{write(QStringLiteral("Big.wav"), sound), {}, 0}};

    MimeMessageStream stream(mail, frame());
    QByteArray message;
    for (QByteArray piece = stream.next(); !piece.isEmpty(); piece = stream.next()) {
        EXPECT_LT(piece.size(), 128 * 1024); // never the whole sound at once
        message += piece;
    }
    ASSERT_FALSE(stream.failed());
    const qsizetype body = message.indexOf("\n\n", message.indexOf("audio/wav")) + 2;
    const QByteArray base64 = message.mid(body, message.indexOf("--=_b--") - body);
    for (const QByteArray& line : base64.split('\n'))
        EXPECT_LE(line.size(), 76);
    EXPECT_EQ(QByteArray::fromBase64(base64) == sound, true);
}

TEST_F(MimeMessageTest, SoundThatVanishedGivesNoMessage) {
    OutgoingMail mail = mailTo(QStringLiteral("a@b.org"), {});
    mail.attachments = {{m_dir.filePath(QStringLiteral("Gone.wav")), {}, 0}};
    MimeMessageStream stream(mail, frame());
    while (!stream.next().isEmpty()) {
    }
    EXPECT_TRUE(stream.failed());
    EXPECT_TRUE(mimeMessageText(mail, frame()).isEmpty());
}

TEST_F(MimeMessageTest, ASoundThatBecameAFifoGivesNoMessageAtOnce) {
    OutgoingMail mail = mailTo(QStringLiteral("a@b.org"), {});
    mail.attachments = {{m_dir.filePath(QStringLiteral("Pipe.wav")), {}, 0}};
    ASSERT_EQ(::mkfifo(QFile::encodeName(mail.attachments[0].path).constData(), 0600), 0);
    const auto exit =
        exitOfForked([&] { return mimeMessageText(mail, frame()).isEmpty() ? 0 : 1; });
    EXPECT_EQ(exit, 0) << "blocked, or a message was made";
}

} // namespace

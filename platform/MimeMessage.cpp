#include "platform/MimeMessage.h"

#include "platform/MimeEncoding.h"
#include "platform/NativeName.h"
#include "platform/RawFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <utility>

namespace {

// 57 bytes make one line of base64; a block is 1024 lines.
constexpr qint64 kBlockBytes = 57 * 1024;

QByteArray recipientsOf(const OutgoingMail& mail, MailRecipient::Kind kind) {
    QByteArray list;
    for (const MailRecipient& recipient : mail.recipients) {
        if (recipient.kind != kind)
            continue;
        const QByteArray addresses = mime::addressList(recipient.name);
        if (addresses.isEmpty())
            continue;
        list += (list.isEmpty() ? "" : ", ") + addresses;
    }
    return list;
}

QString attachmentName(const MailAttachment& attachment) {
    // A name that is not UTF-8 is no text: it goes out as it is shown.
    return nativename::shown(attachment.fileName.isEmpty() ? QFileInfo(attachment.path).fileName()
                                                           : attachment.fileName);
}

// The attachment's media type by its extension: a WAV file, and anything not known, as
// audio/wav.
QByteArray audioType(const QString& name) {
    static const std::pair<const char*, const char*> kTypes[] = {
        {".flac", "audio/flac"}, {".ogg", "audio/ogg"},   {".oga", "audio/ogg"},
        {".opus", "audio/ogg"},  {".mp3", "audio/mpeg"},  {".aif", "audio/aiff"},
        {".aiff", "audio/aiff"}, {".aifc", "audio/aiff"}, {".au", "audio/basic"},
        {".snd", "audio/basic"}, {".caf", "audio/x-caf"},
    };
    for (const auto& [ending, type] : kTypes)
        if (name.endsWith(QLatin1StringView(ending), Qt::CaseInsensitive))
            return type;
    return "audio/wav";
}

} // namespace

MimeFrame MimeFrame::now() {
    const quint64 random = QRandomGenerator::global()->generate64();
    return {QDateTime::currentDateTime(),
            "=_Tembrel_" + QByteArray::number(random, 36) +
                QByteArray::number(QDateTime::currentMSecsSinceEpoch(), 36)};
}

MimeMessageStream::MimeMessageStream(const OutgoingMail& mail, const MimeFrame& frame)
    : m_mail(mail), m_frame(frame) {}

MimeMessageStream::~MimeMessageStream() = default;

QByteArray MimeMessageStream::head() const {
    QByteArray text = mime::headerLine("Date", m_frame.date.toString(Qt::RFC2822Date).toLatin1());
    const QByteArray to = recipientsOf(m_mail, MailRecipient::Kind::To);
    if (!to.isEmpty())
        text += mime::headerLine("To", to);
    const QByteArray cc = recipientsOf(m_mail, MailRecipient::Kind::Cc);
    if (!cc.isEmpty())
        text += mime::headerLine("Cc", cc);
    if (!m_mail.subject.isEmpty())
        text += mime::headerLine("Subject", mime::headerText(m_mail.subject));
    text += "MIME-Version: 1.0\n";
    text += "Content-Type: multipart/mixed;\n boundary=\"" + m_frame.boundary + "\"\n\n";
    text += "This is a multi-part message in MIME format.\n";
    text += "--" + m_frame.boundary + '\n';
    text += "Content-Type: text/plain; charset=UTF-8\n";
    text += "Content-Transfer-Encoding: quoted-printable\n\n";
    text += mime::quotedPrintable(m_mail.noteText.toUtf8());
    return text;
}

QByteArray MimeMessageStream::openAttachment(const MailAttachment& attachment) {
    auto file = RegularFile::open(attachment.path);
    m_file = std::make_unique<QFile>();
    if (!file ||
        !m_file->open(file->release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        m_failed = true;
        return {};
    }
    const QString name = attachmentName(attachment);
    return "--" + m_frame.boundary + '\n' + "Content-Type: " + audioType(name) +
           ";\n name=" + mime::quotedWords(name) + '\n' + "Content-Transfer-Encoding: base64\n" +
           "Content-Disposition: attachment;\n " + mime::parameter("filename", name) + "\n\n";
}

QByteArray MimeMessageStream::nextBlock() {
    const QByteArray block = m_file->read(kBlockBytes);
    if (block.isEmpty()) {
        if (!m_file->atEnd())
            m_failed = true;
        m_file.reset();
        return {};
    }
    return mime::base64Lines(block);
}

QByteArray MimeMessageStream::next() {
    if (m_failed || m_closed)
        return {};
    if (!m_headDone) {
        m_headDone = true;
        return head();
    }
    if (m_file) {
        QByteArray block = nextBlock();
        if (!block.isEmpty() || m_failed)
            return block;
    }
    if (m_nextAttachment < m_mail.attachments.size())
        return openAttachment(m_mail.attachments.at(m_nextAttachment++));
    m_closed = true;
    return "--" + m_frame.boundary + "--\n";
}

QByteArray mimeMessageText(const OutgoingMail& mail, const MimeFrame& frame) {
    MimeMessageStream stream(mail, frame);
    QByteArray text;
    for (QByteArray piece = stream.next(); !piece.isEmpty(); piece = stream.next())
        text += piece;
    return stream.failed() ? QByteArray() : text;
}

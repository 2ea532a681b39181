#pragma once

#include "platform/MailTransport.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <memory>

// What a message needs beyond its content: the date it bears and the boundary between its
// parts. The boundary starts with "=_", which neither base64 nor quoted-printable text holds.
struct MimeFrame {
    QDateTime date;
    QByteArray boundary;
    static MimeFrame now(); // the current time and a fresh random boundary
};

// Writes one mail as a MIME message, piece by piece, so that a large sound is read and encoded
// a block at a time and never held whole: the headers (RFC 5322), a multipart/mixed body with
// the note as a text part, then each attachment in base64 under its file name, as audio/wav or
// the media type of its extension (audio/flac ...).
// Lines end with a bare newline, as programs of the sendmail family expect on their input.
class MimeMessageStream {
public:
    MimeMessageStream(const OutgoingMail& mail, const MimeFrame& frame);
    ~MimeMessageStream();

    // The next piece of the message; empty once it is complete or has failed.
    QByteArray next();
    // An attachment could not be opened or read: the message is incomplete.
    bool failed() const { return m_failed; }

private:
    QByteArray head() const;
    QByteArray openAttachment(const MailAttachment& attachment);
    QByteArray nextBlock();

    const OutgoingMail& m_mail;
    MimeFrame m_frame;
    bool m_headDone = false;
    bool m_closed = false;
    bool m_failed = false;
    qsizetype m_nextAttachment = 0;
    std::unique_ptr<QFile> m_file;
};

// The whole message at once (for small messages and tests); empty when an attachment failed.
QByteArray mimeMessageText(const OutgoingMail& mail, const MimeFrame& frame);

// How much memory and time sending a large sound costs: a 50 MB sound goes through the
// sendmail transport into a stand-in mail program (dd to /dev/null). The peak memory the send
// adds is measured against the sound's size (a message held whole would add at least 1.33
// times it); the time against the same program reading the raw file from its standard input.
// Usage: bench_mail_memory [MEGABYTES]   (default 50)
#include "platform/SendmailTransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void writeSound(const QString& path, qint64 bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray block(1 << 20, '\0');
    for (qsizetype i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>((i * 31) % 253);
    for (qint64 written = 0; written < bytes; written += block.size())
        file.write(block);
}

const QString kSink = QStringLiteral("/bin/dd of=/dev/null bs=65536 status=none");

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 50;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Big.wav"));
    writeSound(path, megabytes << 20);

    QElapsedTimer timer;
    timer.start();
    QProcess raw;
    raw.setStandardInputFile(path);
    raw.start(QStringLiteral("/bin/dd"), {"of=/dev/null", "bs=65536", "status=none"});
    raw.waitForFinished(-1);
    const double rawSeconds = timer.nsecsElapsed() / 1e9;

    OutgoingMail mail;
    mail.recipients = {{MailRecipient::Kind::To, QStringLiteral("a@example.org")}};
    mail.noteText = QStringLiteral("Big ");
    mail.attachments = {{path, {}, 3}};
    SendmailTransport transport([] { return kSink; });
    const long before = peakKilobytes();
    timer.restart();
    const MailResult result = transport.send(mail, {});
    const double sendSeconds = timer.nsecsElapsed() / 1e9;
    const long added = peakKilobytes() - before;

    std::printf("sound: %lld MB, send %s\n", static_cast<long long>(megabytes),
                result == MailResult::Success ? "succeeded" : "FAILED");
    std::printf("peak memory added by the send: %ld KB = %.3f of the sound's size\n", added,
                added / double(megabytes << 10));
    std::printf("send: %.3f s; raw file through the same program: %.3f s; ratio %.1f\n",
                sendSeconds, rawSeconds, sendSeconds / rawSeconds);
    return result == MailResult::Success ? 0 : 1;
}

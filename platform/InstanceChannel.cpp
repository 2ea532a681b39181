#include "platform/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kHandOverMs = 3000;
constexpr int kProbeMs = 500;
constexpr char kTaken = '1';
// A request longer than any path is no request.
constexpr quint32 kLongestRequest = 64 * 1024;

QString privateFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/tembrel");
    QDir().mkpath(config);
    return config;
}

// A request is its length, then its bytes: a sound file's own name bytes (a name that is not
// UTF-8 arrives unchanged), or, for a command, a NUL (which no path holds), the command's name
// and its arguments, each after a NUL.
const QByteArray kRescan = QByteArrayLiteral("rescan");

QByteArray framed(const QByteArray& request) {
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << quint32(request.size());
    return bytes + request;
}

QByteArray rescanRequest(const QList<QByteArray>& folders) {
    QByteArray request = '\0' + kRescan;
    for (const QByteArray& folder : folders)
        request += '\0' + folder;
    // Too many folders for one request: the whole collection is asked for instead.
    return request.size() > qsizetype(kLongestRequest) ? '\0' + kRescan : request;
}

bool send(const QString& channel, const QByteArray& request) {
    QLocalSocket socket;
    socket.connectToServer(channel);
    if (!socket.waitForConnected(kHandOverMs))
        return false;
    socket.write(framed(request));
    if (!socket.waitForBytesWritten(kHandOverMs))
        return false;
    while (socket.bytesAvailable() == 0)
        if (!socket.waitForReadyRead(kHandOverMs))
            return false;
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

} // namespace

QString instanceChannelPath(const QString& programDir) {
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(programDir)),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(16);
    return privateFolder() + QStringLiteral("/tembrel-") + QString::fromLatin1(hash) +
           QStringLiteral(".socket");
}

bool handToRunningInstance(const QString& channel, const QString& soundFile) {
    return send(channel, QFile::encodeName(soundFile));
}

bool askRunningInstanceToRescan(const QString& channel, const QList<QByteArray>& folders) {
    return send(channel, rescanRequest(folders));
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceServer::takeConnection);
}

bool InstanceServer::listen(const QString& channel) {
    if (m_server.listen(channel))
        return true;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // A program that is there but did not take the request in time keeps its channel.
    QLocalSocket running;
    running.connectToServer(channel);
    if (running.waitForConnected(kProbeMs))
        return false;
    // Nobody answers on it: a program that ended left it behind.
    QLocalServer::removeServer(channel);
    return m_server.listen(channel);
}

void InstanceServer::takeConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QByteArray bytes = socket->peek(socket->bytesAvailable());
            if (bytes.size() < 4)
                return;
            quint32 length = 0;
            QDataStream(bytes) >> length;
            if (length > kLongestRequest) {
                socket->abort();
                return;
            }
            if (bytes.size() < qsizetype(4 + length))
                return;
            socket->read(4 + length);
            const QByteArray request = bytes.mid(4, length);
            if (!request.startsWith('\0')) {
                socket->putChar(kTaken);
                socket->flush();
                socket->disconnectFromServer();
                emit requested(QFile::decodeName(request));
                return;
            }
            const QList<QByteArray> parts = request.mid(1).split('\0');
            const bool known = parts.front() == kRescan;
            socket->putChar(known ? kTaken : '0');
            socket->flush();
            socket->disconnectFromServer();
            if (known)
                emit rescanRequested(parts.mid(1));
        });
    }
}

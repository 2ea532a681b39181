#pragma once

#include <QList>
#include <QLocalServer>
#include <QObject>
#include <QString>

// The first program started by a user from a program directory takes the requests of the ones
// started after it: a later start hands over the sound named on its command line (or nothing,
// just to come to the front) and ends, so that one window, not two, reads and writes the
// user's files. The channel is a local socket in the user's private runtime folder.

// The socket's path for this program directory: in $XDG_RUNTIME_DIR, or without one in the
// user's configuration folder.
QString instanceChannelPath(const QString& programDir);

// Hands soundFile (empty: nothing to show) to the program listening on channel; false when none
// takes it within a few seconds (this start is then the first).
bool handToRunningInstance(const QString& channel, const QString& soundFile);

// Asks the program listening on channel to bring the sound index up to date for folders (the
// file system's bytes; none: the whole collection). False when none takes the request.
bool askRunningInstanceToRescan(const QString& channel, const QList<QByteArray>& folders);

// The first program's end of the channel.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);
    // Listens on channel, taking the place of a socket left by a program that ended without
    // removing it. False when the channel cannot be made (the program then runs alone).
    bool listen(const QString& channel);

signals:
    // A later start asked for soundFile to be shown (empty: only to come to the front).
    void requested(const QString& soundFile);
    // A later program asked for the sound index to be brought up to date (no folders: all).
    void rescanRequested(const QList<QByteArray>& folders);

private:
    void takeConnection();

    QLocalServer m_server;
};

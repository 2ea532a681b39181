#pragma once

#include "platform/MailTransport.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <stop_token>

// How one run of a mail program ended.
enum class MailProgramEnd {
    Delivered,  // it read the message and exited with status 0
    Refused,    // it exited otherwise
    NotStarted, // the system would not run it
    Unreadable, // an attachment could not be read: the program was stopped before the end
    TimedOut,   // it was still running at the time limit and was stopped
    Stopped,    // the caller asked to stop, and it was stopped
};

// Runs a sendmail-compatible program with the message on its standard input, written as the
// program takes it. The program is started directly (never through a shell) in a process group
// of its own. While it runs, the calling thread goes on handling its events in a nested event
// loop, so windows are drawn and a stop can be asked for from a handler. Stopping the program
// kills its whole group, so nothing it started is left running.
MailProgramEnd runMailProgram(const QString& program, const QStringList& arguments,
                              const OutgoingMail& mail, std::chrono::milliseconds timeLimit,
                              std::stop_token stop);

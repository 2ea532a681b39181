#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Starts other programs directly (never through a shell), detached; the result only says
// whether the program could be started.
class IProcessLauncher {
public:
    virtual ~IProcessLauncher() = default;
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    // The same, for a program whose failure the user must hear of: when it ends with a status
    // other than 0, failed gets that status (later, from the event loop). A program that keeps
    // running is left alone, also when this program ends.
    virtual bool startWatched(const QString& program, const QStringList& arguments,
                              std::function<void(int status)> failed) = 0;
};

// Opens a document or a URL with the desktop's preferred application (xdg-open).
class IDesktop {
public:
    virtual ~IDesktop() = default;
    virtual bool openDocument(const QString& pathOrUrl) = 0;
};

// Splits a command line on blanks into program and arguments (the stand-in for starting a
// single command line). Empty parts are dropped.
QStringList splitCommandLine(const QString& commandLine);

#pragma once

#include <QString>
#include <QStringList>

// Starts other programs directly (never through a shell), detached; the result only says
// whether the program could be started.
class IProcessLauncher {
public:
    virtual ~IProcessLauncher() = default;
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
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

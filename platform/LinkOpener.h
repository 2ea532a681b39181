#pragma once

#include "platform/Launcher.h"

#include <QString>
#include <QStringList>
#include <optional>

// Result codes of opening a link: above 32 means opened, the others name the failure.
namespace linkresult {
inline constexpr int kOpened = 33;
inline constexpr int kFileNotFound = 2;
inline constexpr int kNoAssociation = 31;
} // namespace linkresult

// The desktop's default program for web pages.
class IHtmlProgram {
public:
    virtual ~IHtmlProgram() = default;
    // The Exec line of its desktop entry; nothing when no program is set or its entry is gone.
    virtual std::optional<QString> execLine() = 0;
};

class ILinkOpener {
public:
    virtual ~ILinkOpener() = default;
    // Returns a link result code (above 32 when the address was opened).
    virtual int OpenLink(const QString& address) = 0;
};

// Opens an address with the desktop; when the desktop cannot, starts the default web page
// program on it directly (never through a shell).
class LinkOpener final : public ILinkOpener {
public:
    LinkOpener(IDesktop& desktop, IHtmlProgram& htmlProgram, IProcessLauncher& launcher);
    int OpenLink(const QString& address) override;

private:
    IDesktop& m_desktop;
    IHtmlProgram& m_htmlProgram;
    IProcessLauncher& m_launcher;
};

// Program and arguments of a desktop entry's Exec line run on address: its first file or URL
// field code (%f %F %u %U) becomes the address, other field codes go, "%%" is a percent sign.
// Without such a field code the address is added as the last argument. Empty when the line
// names no program.
QStringList htmlCommandFor(const QString& execLine, const QString& address);

// "Unable to open hyperlink:\n\n" and the text for the result code.
QString linkErrorText(int code);

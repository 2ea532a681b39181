#pragma once

#include "platform/LinkOpener.h"

// The default web page program as the desktop names it: `xdg-mime query default text/html`
// gives its desktop entry, found in the applications folders of the XDG data directories.
class XdgHtmlProgram final : public IHtmlProgram {
public:
    std::optional<QString> execLine() override;
};

// The Exec key of the [Desktop Entry] group of a desktop entry file's text.
std::optional<QString> desktopEntryExec(const QString& entryText);

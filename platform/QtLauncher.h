#pragma once

#include "platform/Launcher.h"

class QtLauncher final : public IProcessLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

class QtDesktop final : public IDesktop {
public:
    bool openDocument(const QString& pathOrUrl) override;
};

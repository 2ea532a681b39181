#pragma once

#include "platform/Launcher.h"

#include <QObject>

class QtLauncher final : public IProcessLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
    bool startWatched(const QString& program, const QStringList& arguments,
                      std::function<void(int status)> failed) override;

private:
    QObject m_watches; // one notifier for each watched program that still runs
};

class QtDesktop final : public IDesktop {
public:
    bool openDocument(const QString& pathOrUrl) override;
};

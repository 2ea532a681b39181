#pragma once

#include "platform/Launcher.h"

#include <QList>
#include <QStringList>

// Remembers the programs and documents it was asked to start instead of starting them.
class FakeLauncher final : public IProcessLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override {
        started.append(QStringList{program} + arguments);
        return succeed;
    }
    bool startWatched(const QString& program, const QStringList& arguments,
                      std::function<void(int)> failed) override {
        watchedFailure = std::move(failed);
        return startDetached(program, arguments);
    }
    QList<QStringList> started;              // program followed by its arguments
    std::function<void(int)> watchedFailure; // stands in for the last watched program failing
    bool succeed = true;
};

class FakeDesktop final : public IDesktop {
public:
    bool openDocument(const QString& pathOrUrl) override {
        opened << pathOrUrl;
        return succeed;
    }
    QStringList opened;
    bool succeed = true;
};

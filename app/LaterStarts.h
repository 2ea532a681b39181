#pragma once

#include "platform/InstanceChannel.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class MainWindowAssembly;

// What programs started after this one hand over: the window shows the sound they were given
// (its folder, the sound selected) and comes to the front. While another of the program's
// windows is open over the main window, that window comes to the front and the sound waits
// until it closes.
class LaterStarts : public QObject {
    Q_OBJECT
public:
    explicit LaterStarts(MainWindowAssembly& mainWindow);
    // False when the channel cannot be made: later starts then open windows of their own.
    bool listen(const QString& channel);

private:
    void take(const QString& soundFile);
    void showWhenFree();

    MainWindowAssembly& m_mainWindow;
    InstanceServer m_server;
    std::optional<QString> m_waitingSound;
    QTimer m_waitForDialogs;
};

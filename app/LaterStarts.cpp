#include "app/LaterStarts.h"

#include "app/MainWindowAssembly.h"
#include "browser/CTembrelDlg.h"
#include "library/SearchCommand.h"

#include <QApplication>

namespace {

constexpr int kDialogCheckMs = 250;

void bringToFront(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

} // namespace

LaterStarts::LaterStarts(MainWindowAssembly& mainWindow) : m_mainWindow(mainWindow) {
    connect(&m_server, &InstanceServer::requested, this, &LaterStarts::take);
    // "--index" run while this window holds the index: the window does the scan.
    connect(&m_server, &InstanceServer::rescanRequested, this,
            [this](const QList<QByteArray>& folders) {
                LibraryKeeper& keeper = m_mainWindow.search().keeper();
                if (folders.isEmpty())
                    keeper.rescan();
                else
                    keeper.rescanFolders({folders.begin(), folders.end()});
            });
    m_waitForDialogs.setInterval(kDialogCheckMs);
    connect(&m_waitForDialogs, &QTimer::timeout, this, &LaterStarts::showWhenFree);
}

bool LaterStarts::listen(const QString& channel) {
    return m_server.listen(channel);
}

void LaterStarts::take(const QString& soundFile) {
    if (!soundFile.isEmpty())
        m_waitingSound = soundFile;
    QWidget& window = m_mainWindow.window();
    QWidget* dialog = QApplication::activeModalWidget();
    bringToFront(dialog && dialog != &window ? *dialog : window);
    showWhenFree();
}

void LaterStarts::showWhenFree() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog && dialog != &m_mainWindow.window()) {
        m_waitForDialogs.start();
        return;
    }
    m_waitForDialogs.stop();
    if (const std::optional<QString> sound = std::exchange(m_waitingSound, std::nullopt)) {
        m_mainWindow.showSound(*sound);
        bringToFront(m_mainWindow.window());
    }
}

#include "browser/FolderWatcher.h"

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kCoalesceMs);
    connect(&m_settle, &QTimer::timeout, this, &FolderWatcher::folderChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!m_settle.isActive())
            m_settle.start();
    });
}

void FolderWatcher::watch(const QString& folder) {
    if (folder == m_folder)
        return;
    if (!m_folder.isEmpty())
        m_watcher.removePath(m_folder);
    m_settle.stop();
    m_folder = folder;
    if (!folder.isEmpty())
        m_watcher.addPath(folder); // a folder that does not exist is simply not watched
}

#include "browser/FolderWatcher.h"

#include <QDir>
#include <QFileInfo>

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kCoalesceMs);
    connect(&m_settle, &QTimer::timeout, this, &FolderWatcher::folderChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &FolderWatcher::onDirectoryChanged);
}

void FolderWatcher::watch(const QString& folder) {
    if (folder == m_folder && watchesFolderItself())
        return;
    if (folder != m_folder)
        m_settle.stop();
    m_folder = folder;
    watchFolderOrParent();
}

void FolderWatcher::onDirectoryChanged(const QString& path) {
    if (path != m_folder) {
        // A parent stands in for the missing folder: only its return (or a nearer parent's)
        // matters.
        watchFolderOrParent();
        if (!watchesFolderItself())
            return;
    }
    if (!m_settle.isActive())
        m_settle.start();
}

void FolderWatcher::watchFolderOrParent() {
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (m_folder.isEmpty())
        return;
    QString path = QDir::cleanPath(m_folder);
    if (QFileInfo(path).isDir() && m_watcher.addPath(m_folder))
        return;
    // Removed (or never made): the nearest parent that exists tells when it comes back.
    for (QString parent = QFileInfo(path).path(); parent != path;
         path = parent, parent = QFileInfo(path).path())
        if (QFileInfo(parent).isDir() && m_watcher.addPath(parent))
            return;
}

bool FolderWatcher::watchesFolderItself() const {
    return m_watcher.directories().contains(m_folder);
}

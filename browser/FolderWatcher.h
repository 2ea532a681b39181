#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Tells when the sounds of a folder change on disk (another program added, removed or renamed
// one). A burst of changes is told once, kCoalesceMs after its first change, so that a large
// folder is read again once per burst, never once per file. A folder that is removed is
// followed through its nearest remaining parent, and told as changed when it is back.
class FolderWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kCoalesceMs = 300;

    explicit FolderWatcher(QObject* parent = nullptr);
    // Watches this folder instead of the one before; the same folder again only watches it
    // anew when the watch was lost (the folder was removed and may be back).
    void watch(const QString& folder);

signals:
    void folderChanged();

private:
    void onDirectoryChanged(const QString& path);
    // Watches the folder itself, or while it is missing, the nearest parent that exists.
    void watchFolderOrParent();
    bool watchesFolderItself() const;

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_folder;
};

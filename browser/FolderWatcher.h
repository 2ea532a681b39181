#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Tells when the sounds of a folder change on disk (another program added, removed or renamed
// one). A burst of changes is told once, kCoalesceMs after its first change, so that a large
// folder is read again once per burst, never once per file.
class FolderWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kCoalesceMs = 300;

    explicit FolderWatcher(QObject* parent = nullptr);
    // Watches this folder instead of the one before; the same folder again changes nothing.
    void watch(const QString& folder);

signals:
    void folderChanged();

private:
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_folder;
};

#pragma once

#include "platform/FileSystem.h"

#include <QSet>
#include <functional>

// The real file system, except for what a test tells it to refuse: tests run as root, where
// permissions never make a copy or a delete fail, and a file's size can be made unreadable
// although the file is there (a file that turns unreadable while a list is being written).
class FakeFileSystem final : public IFileSystem {
public:
    bool copyFile(const QString& source, const QString& destination, bool overwrite) override {
        if (refusedCopies.contains(destination))
            return false;
        return m_real.copyFile(source, destination, overwrite);
    }
    bool removeFile(const QString& path) override {
        if (refusedRemovals.contains(path))
            return false;
        return m_real.removeFile(path);
    }
    bool trashFile(const QString& path) override {
        if (refusedRemovals.contains(path))
            return false;
        return m_real.trashFile(path);
    }
    bool exists(const QString& path) override { return m_real.exists(path); }
    std::optional<qint64> fileSize(const QString& path) override {
        if (onFileSize)
            onFileSize();
        if (unreadable.contains(path))
            return std::nullopt;
        return m_real.fileSize(path);
    }
    bool isWritable(const QString& path) override {
        return !readOnly.contains(path) && m_real.isWritable(path);
    }

    QSet<QString> refusedCopies;      // destinations
    QSet<QString> refusedRemovals;    // paths
    QSet<QString> readOnly;           // paths the user may not write
    QSet<QString> unreadable;         // paths whose size cannot be read
    std::function<void()> onFileSize; // runs at every size look-up

private:
    LocalFileSystem m_real;
};

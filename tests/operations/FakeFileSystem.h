#pragma once

#include "platform/FileSystem.h"

#include <QSet>

// The real file system, except for the paths a test tells it to refuse: tests run as root,
// where permissions never make a copy or a delete fail.
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
    bool exists(const QString& path) override { return m_real.exists(path); }
    std::optional<qint64> fileSize(const QString& path) override { return m_real.fileSize(path); }
    bool isWritable(const QString& path) override {
        return !readOnly.contains(path) && m_real.isWritable(path);
    }

    QSet<QString> refusedCopies;   // destinations
    QSet<QString> refusedRemovals; // paths
    QSet<QString> readOnly;        // paths the user may not write

private:
    LocalFileSystem m_real;
};

#pragma once

#include "platform/FileSystem.h"

#include <QStringList>
#include <functional>

// The real file system, except that the sizes of chosen files cannot be read although the
// files are there (a file that turns unreadable while a list is being written).
class FakeFileSystem final : public IFileSystem {
public:
    bool copyFile(const QString& source, const QString& destination, bool overwrite) override {
        return m_real.copyFile(source, destination, overwrite);
    }
    bool removeFile(const QString& path) override { return m_real.removeFile(path); }
    bool exists(const QString& path) override { return m_real.exists(path); }
    std::optional<qint64> fileSize(const QString& path) override {
        if (onFileSize)
            onFileSize();
        if (unreadable.contains(path))
            return std::nullopt;
        return m_real.fileSize(path);
    }
    bool isWritable(const QString& path) override { return m_real.isWritable(path); }

    QStringList unreadable;           // paths whose size cannot be read
    std::function<void()> onFileSize; // runs at every size look-up

private:
    LocalFileSystem m_real;
};

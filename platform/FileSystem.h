#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// File operations of the collection go through IFileSystem, so that a refused copy or delete
// can be exercised in tests even where the tests run as root.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // Copies source to destination. Without overwrite an existing destination makes it fail.
    // A failed copy leaves the destination as it was.
    virtual bool copyFile(const QString& source, const QString& destination, bool overwrite) = 0;
    virtual bool removeFile(const QString& path) = 0;
    // Moves the file to the desktop's Trash, from which a file manager restores it; where no
    // Trash can take it (a file system without one) the file is deleted.
    virtual bool trashFile(const QString& path) = 0;
    virtual bool exists(const QString& path) = 0;
    virtual std::optional<qint64> fileSize(const QString& path) = 0;
    // True when the user may write the file.
    virtual bool isWritable(const QString& path) = 0;
};

// The real file system.
class LocalFileSystem final : public IFileSystem {
public:
    bool copyFile(const QString& source, const QString& destination, bool overwrite) override;
    bool removeFile(const QString& path) override;
    bool trashFile(const QString& path) override;
    bool exists(const QString& path) override;
    std::optional<qint64> fileSize(const QString& path) override;
    bool isWritable(const QString& path) override;
};

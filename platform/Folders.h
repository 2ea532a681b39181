#pragma once

#include <QString>

// Folders as a whole: whether one is there, and renaming one in place.
class IFolders {
public:
    virtual ~IFolders() = default;
    // True for any existing entry of that path (folder, file or link).
    virtual bool exists(const QString& path) = 0;
    // Renames a folder; never onto an existing entry, so nothing is merged or replaced.
    virtual bool renameFolder(const QString& from, const QString& to) = 0;
};

class LocalFolders final : public IFolders {
public:
    bool exists(const QString& path) override;
    bool renameFolder(const QString& from, const QString& to) override;
};

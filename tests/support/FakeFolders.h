#pragma once

#include "platform/Folders.h"

// The real folders, except that renames can be refused: tests run as root, where a read-only
// program directory does not stop a rename.
class FakeFolders final : public IFolders {
public:
    bool exists(const QString& path) override { return m_real.exists(path); }
    bool renameFolder(const QString& from, const QString& to) override {
        return !refuseRenames && m_real.renameFolder(from, to);
    }
    bool refuseRenames = false;

private:
    LocalFolders m_real;
};

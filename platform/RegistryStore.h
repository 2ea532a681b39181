#pragma once

#include <QString>
#include <expected>

// The program's stand-in for the system registry: keys under a few roots, each holding named
// string values. The results are the status codes the registry functions return, so callers
// test them the same way.
enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine };

using RegStatus = long;

namespace regstatus {
inline constexpr RegStatus kSuccess = 0;
inline constexpr RegStatus kFileNotFound = 2;
inline constexpr RegStatus kAccessDenied = 5;
inline constexpr RegStatus kInvalidHandle = 6;
inline constexpr RegStatus kMoreData = 234;
// The store's file cannot be read or understood: nothing is read from it or written to it.
inline constexpr RegStatus kBadDatabase = 1009;
inline constexpr RegStatus kCannotWrite = 1013;
} // namespace regstatus

class IRegistryStore {
public:
    virtual ~IRegistryStore() = default;
    // Opens the key, or creates it (with any missing parent) as a volatile key that lasts until
    // the user's session ends.
    virtual RegStatus openOrCreateVolatile(RegRoot root, const QString& path) = 0;
    // Sets a string value of an existing key; the empty name is the key's default value.
    virtual RegStatus setString(RegRoot root, const QString& path, const QString& name,
                                const QString& value) = 0;
    // The value's text; kFileNotFound when the key or the value does not exist.
    virtual std::expected<QString, RegStatus> queryString(RegRoot root, const QString& path,
                                                          const QString& name) = 0;
};

// The text of a root as it is written in REGEDIT4 files, e.g. "HKEY_CURRENT_USER".
QString regRootName(RegRoot root);

#pragma once

#include "platform/FileLock.h"
#include "platform/RegistryDocument.h"
#include "platform/RegistryStore.h"

#include <QByteArray>
#include <QString>

// Where the store keeps its keys. Persistent keys live in a REGEDIT4 file in the user's
// configuration; keys made by openOrCreateVolatile live in a file of the same form under the
// session's runtime folder, which the session removes at logout.
struct RegistryFiles {
    QString persistent;
    QString volatileKeys;
    // What a missing persistent file starts as (REGEDIT4 text), the keys a fresh system has.
    QByteArray seed;
};

// $XDG_CONFIG_HOME/tembrel/registry.reg and $XDG_RUNTIME_DIR/tembrel/registry.reg.
RegistryFiles defaultRegistryFiles(QByteArray seed);
// $XDG_DATA_HOME (default ~/.local/share), without a trailing separator.
QString userDataHome();

// The registry store over the two files. Every operation reads the files afresh and every
// change replaces its file atomically, keeping every line it does not change as it was. A file that
// cannot be read or understood makes every operation fail with kBadDatabase and is never written
// over; a file that cannot be written makes changes fail with kCannotWrite and leaves it as it was.
class RegistryFileStore final : public IRegistryStore {
public:
    explicit RegistryFileStore(RegistryFiles files);

    RegStatus openOrCreateVolatile(RegRoot root, const QString& path) override;
    RegStatus setString(RegRoot root, const QString& path, const QString& name,
                        const QString& value) override;
    std::expected<QString, RegStatus> queryString(RegRoot root, const QString& path,
                                                  const QString& name) override;

private:
    struct Loaded {
        RegDocument persistent;
        RegDocument volatileKeys;
    };
    std::expected<Loaded, RegStatus> load() const;
    std::expected<RegDocument, RegStatus> loadPersistent() const;
    RegStatus save(const QString& path, const RegDocument& document) const;
    FileLock holdFiles() const;

    RegistryFiles m_files;
};

#pragma once

#include "platform/RegistryStore.h"

#include <QMap>
#include <QSet>

// An in-memory registry store. `failWith` makes every operation fail with that status.
class FakeRegistryStore final : public IRegistryStore {
public:
    RegStatus openOrCreateVolatile(RegRoot root, const QString& path) override {
        if (failWith)
            return failWith;
        const QString key = keyOf(root, path);
        if (!persistentKeys.contains(key))
            volatileKeys.insert(key);
        return regstatus::kSuccess;
    }
    RegStatus setString(RegRoot root, const QString& path, const QString& name,
                        const QString& value) override {
        if (failWith)
            return failWith;
        values[keyOf(root, path) + QLatin1Char('|') + name.toLower()] = value;
        return regstatus::kSuccess;
    }
    std::expected<QString, RegStatus> queryString(RegRoot root, const QString& path,
                                                  const QString& name) override {
        if (failWith)
            return std::unexpected(failWith);
        const auto found = values.find(keyOf(root, path) + QLatin1Char('|') + name.toLower());
        if (found == values.end())
            return std::unexpected(regstatus::kFileNotFound);
        return *found;
    }

    QString value(RegRoot root, const QString& path, const QString& name = {}) const {
        return values.value(keyOf(root, path) + QLatin1Char('|') + name.toLower());
    }
    static QString keyOf(RegRoot root, const QString& path) {
        return regRootName(root) + QLatin1Char('\\') + path.toLower();
    }

    RegStatus failWith = regstatus::kSuccess;
    QSet<QString> persistentKeys;
    QSet<QString> volatileKeys;
    QMap<QString, QString> values;
};

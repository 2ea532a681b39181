#pragma once

#include "platform/RegistryStore.h"

#include <QString>

// One open key of the registry store for the length of one operation: constructed closed,
// opened by Create, closed by Close or when it goes.
class CRegistryKey {
public:
    // A read copies at most this many bytes, the text's terminating zero included.
    static constexpr int kReadBufferBytes = 200;

    explicit CRegistryKey(IRegistryStore& store) : m_store(store) {}
    virtual ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Opens the key, creating it (volatile) when it does not exist.
    RegStatus Create(RegRoot root, const QString& subKey);
    // The empty name sets the key's default value.
    RegStatus SetStringValue(const QString& name, const QString& text);
    // Copies the value into `out` only on success; a text of 200 bytes or more (UTF-8, counted
    // with its terminator) fails with kMoreData and leaves `out` as it was.
    RegStatus QueryStringValue(const QString& name, QString& out);
    void Close() { m_open = false; }

    bool isOpen() const { return m_open; }
    const QString& keyName() const { return m_keyName; }

private:
    IRegistryStore& m_store;
    RegRoot m_root = RegRoot::CurrentUser;
    QString m_keyName;
    bool m_open = false;
};

#include "platform/RegistryKey.h"

RegStatus CRegistryKey::Create(RegRoot root, const QString& subKey) {
    Close();
    m_root = root;
    m_keyName = subKey;
    const RegStatus status = m_store.openOrCreateVolatile(root, subKey);
    m_open = status == regstatus::kSuccess;
    return status;
}

RegStatus CRegistryKey::SetStringValue(const QString& name, const QString& text) {
    if (!m_open)
        return regstatus::kInvalidHandle;
    return m_store.setString(m_root, m_keyName, name, text);
}

RegStatus CRegistryKey::QueryStringValue(const QString& name, QString& out) {
    if (!m_open)
        return regstatus::kInvalidHandle;
    auto value = m_store.queryString(m_root, m_keyName, name);
    if (!value)
        return value.error();
    if (value->toUtf8().size() + 1 > kReadBufferBytes)
        return regstatus::kMoreData;
    out = *value;
    return regstatus::kSuccess;
}

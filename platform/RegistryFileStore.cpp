#include "platform/RegistryFileStore.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/RawFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace {

QString fullPath(RegRoot root, const QString& path) {
    return path.isEmpty() ? regRootName(root) : regRootName(root) + QLatin1Char('\\') + path;
}

// A key exists when it is listed or when a listed key lies below it.
bool keyExists(const RegKeys& keys, const QString& path) {
    const QString prefix = path + QLatin1Char('\\');
    for (const auto& key : keys)
        if (key.path.compare(path, Qt::CaseInsensitive) == 0 ||
            key.path.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    return false;
}

void setValue(RegKeyText& key, const QString& name, const QString& text) {
    for (auto& value : key.values)
        if (value.name.compare(name, Qt::CaseInsensitive) == 0) {
            value = {value.name, text, false};
            return;
        }
    key.values.append({name, text, false});
}

enum class ReadResult { Read, Missing, Failed };

ReadResult readWhole(const QString& path, QByteArray& bytes) {
    auto file = RegularFile::open(path);
    if (!file)
        return file.error().kind == FileOpenError::Missing ? ReadResult::Missing
                                                           : ReadResult::Failed;
    const auto all = file->readAll();
    bytes = all.value_or(QByteArray());
    return all ? ReadResult::Read : ReadResult::Failed;
}

std::expected<RegKeys, RegStatus> parseOrFail(const QByteArray& bytes) {
    auto keys = parseRegText(bytes);
    if (!keys)
        return std::unexpected(regstatus::kBadDatabase);
    return *keys;
}

} // namespace

QString regRootName(RegRoot root) {
    switch (root) {
    case RegRoot::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegRoot::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case RegRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    }
    return {};
}

RegistryFiles defaultRegistryFiles(QByteArray seed) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // Without a session runtime folder, a private one in the temporary folder stands in.
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime =
            QDir::tempPath() + QStringLiteral("/tembrel-runtime-") + QString::number(::getuid());
    return {config + QStringLiteral("/tembrel/registry.reg"),
            runtime + QStringLiteral("/tembrel/registry.reg"), std::move(seed)};
}

QString userDataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

RegistryFileStore::RegistryFileStore(RegistryFiles files) : m_files(std::move(files)) {}

// One lock, beside the persistent file, covers both files: a change reads both.
FileLock RegistryFileStore::holdFiles() const {
    QDir().mkpath(QFileInfo(m_files.persistent).absolutePath());
    return FileLock(m_files.persistent);
}

std::expected<RegKeys, RegStatus> RegistryFileStore::loadPersistent() const {
    QByteArray bytes;
    switch (readWhole(m_files.persistent, bytes)) {
    case ReadResult::Read:
        return parseOrFail(bytes);
    case ReadResult::Failed:
        return std::unexpected(regstatus::kBadDatabase);
    case ReadResult::Missing:
        break;
    }
    // First use: start from the seed. If it cannot be kept, reads still see it and the first
    // change reports the failure.
    auto seeded = parseOrFail(m_files.seed);
    if (seeded)
        save(m_files.persistent, *seeded);
    return seeded;
}

std::expected<RegistryFileStore::Loaded, RegStatus> RegistryFileStore::load() const {
    auto persistent = loadPersistent();
    if (!persistent)
        return std::unexpected(persistent.error());
    QByteArray bytes;
    Loaded loaded{*persistent, {}};
    switch (readWhole(m_files.volatileKeys, bytes)) {
    case ReadResult::Failed:
        return std::unexpected(regstatus::kBadDatabase);
    case ReadResult::Missing:
        return loaded;
    case ReadResult::Read:
        break;
    }
    auto volatileKeys = parseOrFail(bytes);
    if (!volatileKeys)
        return std::unexpected(volatileKeys.error());
    loaded.volatileKeys = *volatileKeys;
    return loaded;
}

RegStatus RegistryFileStore::save(const QString& path, const RegKeys& keys) const {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return regstatus::kCannotWrite;
    return writeFileAtomically(path, renderRegText(keys)) ? regstatus::kSuccess
                                                          : regstatus::kCannotWrite;
}

RegStatus RegistryFileStore::openOrCreateVolatile(RegRoot root, const QString& path) {
    const FileLock lock = holdFiles();
    auto loaded = load();
    if (!loaded)
        return loaded.error();
    const QString key = fullPath(root, path);
    if (keyExists(loaded->persistent, key) || keyExists(loaded->volatileKeys, key))
        return regstatus::kSuccess;
    loaded->volatileKeys.append({key, {}});
    return save(m_files.volatileKeys, loaded->volatileKeys);
}

RegStatus RegistryFileStore::setString(RegRoot root, const QString& path, const QString& name,
                                       const QString& value) {
    const FileLock lock = holdFiles();
    auto loaded = load();
    if (!loaded)
        return loaded.error();
    const QString key = fullPath(root, path);
    if (RegKeyText* listed = findRegKey(loaded->persistent, key)) {
        setValue(*listed, name, value);
        return save(m_files.persistent, loaded->persistent);
    }
    if (keyExists(loaded->persistent, key)) {
        loaded->persistent.append({key, {{name, value, false}}});
        return save(m_files.persistent, loaded->persistent);
    }
    // A key that went away since it was opened (the session ended) comes back volatile.
    RegKeyText* listed = findRegKey(loaded->volatileKeys, key);
    if (!listed) {
        loaded->volatileKeys.append({key, {}});
        listed = &loaded->volatileKeys.last();
    }
    setValue(*listed, name, value);
    return save(m_files.volatileKeys, loaded->volatileKeys);
}

std::expected<QString, RegStatus> RegistryFileStore::queryString(RegRoot root, const QString& path,
                                                                 const QString& name) {
    const FileLock lock = holdFiles(); // the first read may write the seed
    auto loaded = load();
    if (!loaded)
        return std::unexpected(loaded.error());
    const QString key = fullPath(root, path);
    for (RegKeys* keys : {&loaded->persistent, &loaded->volatileKeys})
        if (const RegKeyText* listed = findRegKey(*keys, key))
            if (const auto* value = findRegValue(*listed, name))
                return value->text;
    return std::unexpected(regstatus::kFileNotFound);
}

#include "platform/RegistryFileStore.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/PrivateFolder.h"
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

// The session's runtime folder. Without one, a private folder in the temporary folder stands
// in; where another user has put something in its place, one in the user's configuration.
QString runtimeFolder(const QString& config) {
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!session.isEmpty())
        return session;
    const QString temporary =
        QDir::tempPath() + QStringLiteral("/tembrel-runtime-") + QString::number(::geteuid());
    if (makePrivateFolder(temporary))
        return temporary;
    const QString own = config + QStringLiteral("/tembrel/runtime");
    QDir().mkpath(config + QStringLiteral("/tembrel"));
    makePrivateFolder(own);
    return own;
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

std::expected<RegDocument, RegStatus> parseOrFail(const QByteArray& bytes) {
    auto document = RegDocument::parse(bytes);
    if (!document)
        return std::unexpected(regstatus::kBadDatabase);
    return *document;
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
    return {config + QStringLiteral("/tembrel/registry.reg"),
            runtimeFolder(config) + QStringLiteral("/tembrel/registry.reg"), std::move(seed)};
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

std::expected<RegDocument, RegStatus> RegistryFileStore::loadPersistent() const {
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
    switch (readWhole(m_files.volatileKeys, bytes)) {
    case ReadResult::Failed:
        return std::unexpected(regstatus::kBadDatabase);
    case ReadResult::Missing:
        bytes = renderRegText({});
        break;
    case ReadResult::Read:
        break;
    }
    auto volatileKeys = parseOrFail(bytes);
    if (!volatileKeys)
        return std::unexpected(volatileKeys.error());
    return Loaded{std::move(*persistent), std::move(*volatileKeys)};
}

RegStatus RegistryFileStore::save(const QString& path, const RegDocument& document) const {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return regstatus::kCannotWrite;
    return writeFileAtomically(path, document.bytes()) ? regstatus::kSuccess
                                                       : regstatus::kCannotWrite;
}

RegStatus RegistryFileStore::openOrCreateVolatile(RegRoot root, const QString& path) {
    const FileLock lock = holdFiles();
    auto loaded = load();
    if (!loaded)
        return loaded.error();
    const QString key = fullPath(root, path);
    if (loaded->persistent.isListedOrBelow(key) || loaded->volatileKeys.isListedOrBelow(key))
        return regstatus::kSuccess;
    loaded->volatileKeys.addKey(key);
    return save(m_files.volatileKeys, loaded->volatileKeys);
}

RegStatus RegistryFileStore::setString(RegRoot root, const QString& path, const QString& name,
                                       const QString& value) {
    const FileLock lock = holdFiles();
    auto loaded = load();
    if (!loaded)
        return loaded.error();
    const QString key = fullPath(root, path);
    if (loaded->persistent.isListedOrBelow(key)) {
        loaded->persistent.setString(key, name, value);
        return save(m_files.persistent, loaded->persistent);
    }
    // A key that went away since it was opened (the session ended) comes back volatile.
    loaded->volatileKeys.setString(key, name, value);
    return save(m_files.volatileKeys, loaded->volatileKeys);
}

std::expected<QString, RegStatus> RegistryFileStore::queryString(RegRoot root, const QString& path,
                                                                 const QString& name) {
    const FileLock lock = holdFiles(); // the first read may write the seed
    auto loaded = load();
    if (!loaded)
        return std::unexpected(loaded.error());
    const QString key = fullPath(root, path);
    for (const RegDocument* document : {&loaded->persistent, &loaded->volatileKeys})
        if (const auto* value = document->value(key, name))
            return value->text;
    return std::unexpected(regstatus::kFileNotFound);
}

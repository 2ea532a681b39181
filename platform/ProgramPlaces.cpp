#include "platform/ProgramPlaces.h"

#include "platform/ProgramDirectory.h"
#include "platform/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

static QString withSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

ProgramPlaces placesInProgramDir(const QString& programDir) {
    const QString dir = withSeparator(programDir);
    return {dir, settings::dataFilePath(dir), dir};
}

ProgramPlaces placesInUserFolders(const QString& programDir, const QString& configHome,
                                  const QString& dataHome) {
    return {withSeparator(programDir),
            withSeparator(configHome) + QStringLiteral("tembrel/Tembrel.dat"),
            withSeparator(dataHome) + QStringLiteral("tembrel/")};
}

bool isInstalledProgramDir(const QString& programDir) {
    if (QFileInfo::exists(pathhelp::join(programDir, kInstalledMarker)))
        return true;
    return ::access(QFile::encodeName(programDir).constData(), W_OK) != 0;
}

static fs::path nativePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

// The copies belong to the user now: an install that left its files read-only must not make
// every later save fail.
static void makeOwnerWritable(const fs::path& path) {
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_write | fs::perms::owner_read, fs::perm_options::add,
                    ignored);
}

static bool copyTree(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::copy(from, to, fs::copy_options::recursive, error);
    if (error)
        return false;
    makeOwnerWritable(to);
    for (auto it = fs::recursive_directory_iterator(to, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        makeOwnerWritable(it->path());
    return !error;
}

static bool copyFile(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::create_directories(to.parent_path(), error);
    if (error || !fs::copy_file(from, to, error))
        return false;
    makeOwnerWritable(to);
    return true;
}

static QString copyCollection(const ProgramPlaces& installed, const ProgramPlaces& user,
                              const settings::Key& collectionName) {
    const QString name = settings::readString(collectionName.section, collectionName.key, QString(),
                                              installed.dataFile);
    if (name.isEmpty())
        return {};
    const QString from = installed.collectionHome + name;
    const QString to = user.collectionHome + name;
    if (!QFileInfo(from).isDir() || QFileInfo::exists(to))
        return {};
    std::error_code ignored;
    fs::create_directories(nativePath(user.collectionHome), ignored);
    if (copyTree(nativePath(from), nativePath(to)))
        return {};
    return QStringLiteral("The sound collection could not be copied to %1.\n").arg(to);
}

QString copyMissingDefaults(const ProgramPlaces& installed, const ProgramPlaces& user,
                            const settings::Key& collectionName) {
    if (QFileInfo::exists(user.dataFile))
        return {};
    // The collection first: a start that fails before the data file is in place tries both
    // again the next time.
    QString errors = copyCollection(installed, user, collectionName);
    if (!copyFile(nativePath(installed.dataFile), nativePath(user.dataFile)))
        errors += QStringLiteral("The data file could not be copied to %1.\n").arg(user.dataFile);
    return errors.trimmed();
}

ProgramPlaces currentProgramPlaces(const settings::Key& collectionName, QString* copyError) {
    const QString programDir = programdir::withSeparator();
    if (!isInstalledProgramDir(programDir))
        return placesInProgramDir(programDir);
    const ProgramPlaces user = placesInUserFolders(
        programDir, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const QString errors =
        copyMissingDefaults(placesInProgramDir(programDir), user, collectionName);
    if (copyError)
        *copyError = errors;
    return user;
}

// How the registry store and the favourites list keep up with large files, against reading the
// file's bytes in the same run. The registry: a file of KEYS keys (default 30,000), one query,
// one change of a value and one new volatile key. The favourites: a data file of FAVORITES
// entries (default 3,000) read and written as the Favorites window does.
// Usage: bench_registry_store [KEYS [FAVORITES]]
#include "bench/BenchTiming.h"
#include "core/Settings.h"
#include "directories/FavoritesList.h"
#include "platform/RegistryFileStore.h"
#include "platform/RegistryKey.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QString eventKey(int i) {
    return QStringLiteral("AppEvents\\Schemes\\Apps\\App%1\\Event\\.Current")
        .arg(i, 5, 10, QChar('0'));
}

QByteArray registryFile(int keys) {
    QByteArray text = "REGEDIT4\n";
    for (int i = 0; i < keys; ++i)
        text += "\n[HKEY_CURRENT_USER\\" + eventKey(i).toUtf8() + "]\n@=\"/home/u/Sounds/" +
                QByteArray::number(i) + ".wav\"\n";
    return text;
}

QByteArray favoritesFile(int entries) {
    QByteArray text = "[User_Directories_Number]\nUser_Directories=" + QByteArray::number(entries) +
                      "\n[User_Directory]\n";
    for (int i = 1; i <= entries; ++i)
        text += "User_Directory" + QByteArray::number(i) + "=/home/u/Sounds/Folder " +
                QByteArray::number(i) + "\n";
    return text;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

double readBytesMs(const QString& path) {
    return timeMs([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.readAll().isEmpty())
            qFatal("cannot read %s", qPrintable(path));
    });
}

void printFigure(const char* what, double ms, double baseMs) {
    std::printf("  figure  %-40s %9.1f ms  %8.1fx the read  target < 1000 ms: %s\n", what, ms,
                ms / baseMs, ms < 1000 ? "met" : "MISSED");
}

void benchRegistry(const QString& folder, int keys) {
    const RegistryFiles files{folder + QStringLiteral("/config/registry.reg"),
                              folder + QStringLiteral("/run/registry.reg"), QByteArray()};
    const QByteArray bytes = registryFile(keys);
    writeFile(files.persistent, bytes);
    RegistryFileStore store(files);
    std::vector<double> base, query, change, create;
    for (int round = 0; round < 3; ++round) {
        base.push_back(readBytesMs(files.persistent));
        query.push_back(timeMs([&] {
            if (!store.queryString(RegRoot::CurrentUser, eventKey(keys - 1), QString()))
                qFatal("query failed");
        }));
        change.push_back(timeMs([&] {
            if (store.setString(RegRoot::CurrentUser, eventKey(keys / 2), QString(), "/x.wav") !=
                regstatus::kSuccess)
                qFatal("change failed");
        }));
        create.push_back(timeMs([&] {
            CRegistryKey key(store);
            if (key.Create(RegRoot::CurrentUser, QStringLiteral("Software\\New%1").arg(round)) !=
                regstatus::kSuccess)
                qFatal("create failed");
        }));
    }
    const double baseMs = std::max(median(base), 0.001);
    std::printf("Registry store, %d keys (%lld bytes), median of 3 rounds; reading the file's "
                "bytes %.2f ms\n",
                keys, qlonglong(bytes.size()), baseMs);
    printFigure("query the last key's value", median(query), baseMs);
    printFigure("change a value", median(change), baseMs);
    printFigure("create a volatile key", median(create), baseMs);
}

void benchFavorites(const QString& folder, int entries) {
    const QString path = folder + QStringLiteral("/Tembrel.dat");
    writeFile(path, favoritesFile(entries));
    const DataFileSettings settings(folder);
    std::vector<double> base, read, write;
    for (int round = 0; round < 3; ++round) {
        base.push_back(readBytesMs(path));
        QStringList folders;
        read.push_back(timeMs([&] {
            folders = favorites::read(settings).folders;
            if (folders.size() != entries)
                qFatal("favourites not read");
        }));
        DataFileSettings writable(folder);
        write.push_back(timeMs([&] {
            if (!favorites::write(writable, folders, 0))
                qFatal("favourites not written");
        }));
    }
    const double baseMs = std::max(median(base), 0.001);
    std::printf("Favourites, %d entries, median of 3 rounds; reading the file's bytes %.2f ms\n",
                entries, baseMs);
    printFigure("read the favourites list", median(read), baseMs);
    printFigure("write the favourites list", median(write), baseMs);
}

} // namespace

int main(int argc, char** argv) {
    const int keys = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30000;
    const int entries = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3000;
    QTemporaryDir dir;
    benchRegistry(dir.path(), keys);
    benchFavorites(dir.path(), entries);
    return 0;
}

// The sound index against the floors under it, each measured in this run:
//  - the first index of 100,000 sounds in 1,000 folders against a walk that reads each header;
//  - a rescan with nothing changed against a bare recursive stat walk;
//  - a 3-letter search against 100,000 and 1,000,000 indexed names, with the shown rows built,
//    and the raw FTS5 query alone.
//   bench_sound_index [WORK_FOLDER [index|search]]   (default: a temporary folder, both parts;
//   needs ~1 GB; a collection left in WORK_FOLDER by an earlier run is used again)
#include "bench/BenchTiming.h"
#include "library/IndexScanner.h"
#include "library/SearchRows.h"
#include "library/SqliteSoundIndex.h"
#include "platform/NativeName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFolders = 1000;
constexpr int kSoundsPerFolder = 100;

const char* const kWords[] = {"Kick",   "Snare", "Hat",   "Pad",    "Bass",    "Lead",  "Chord",
                              "Bell",   "Chime", "Drone", "Sweep",  "Noise",   "Vocal", "Choir",
                              "Crash",  "Ride",  "Tom",   "Clap",   "Shaker",  "Piano", "Organ",
                              "String", "Brass", "Flute", "Guitar", "Marimba", "Door",  "Wind"};
constexpr int kWordCount = int(sizeof kWords / sizeof kWords[0]);

QByteArray soundName(int folder, int sound) {
    return QByteArray(kWords[(folder * 7 + sound) % kWordCount]) + ' ' +
           kWords[(sound * 13 + folder) % kWordCount] + ' ' + QByteArray::number(sound) + ".wav";
}

QByteArray wavBytes(int frames) {
    QByteArray bytes(44 + frames * 2, '\0');
    auto put = [&](int at, quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = char(value >> (8 * i));
    };
    bytes.replace(0, 4, "RIFF");
    put(4, quint32(36 + frames * 2), 4);
    bytes.replace(8, 8, "WAVEfmt ");
    put(16, 16, 4);
    put(20, 1, 2);
    put(22, 1, 2);
    put(24, 22050, 4);
    put(28, 44100, 4);
    put(32, 2, 2);
    put(34, 16, 2);
    bytes.replace(36, 4, "data");
    put(40, quint32(frames * 2), 4);
    return bytes;
}

// Files left by an earlier run into the same work folder are used as they are.
void makeCollection(const QByteArray& top) {
    const QByteArray wav = wavBytes(512);
    const QByteArray done = top + "/.made";
    if (::access(done.constData(), F_OK) == 0)
        return;
    for (int f = 0; f < kFolders; ++f) {
        const QByteArray folder =
            top + "/Pack " + QByteArray::number(f / 50) + "/Folder " + QByteArray::number(f);
        QDir().mkpath(QString::fromUtf8(folder));
        for (int s = 0; s < kSoundsPerFolder; ++s) {
            const QByteArray path = folder + '/' + soundName(f, s);
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, wav.constData(), size_t(wav.size())) != wav.size())
                std::perror(path.constData());
            ::close(fd);
        }
    }
    ::close(::open(done.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
}

// The floor under a first index: every folder read, every sound opened and its head read.
int headerWalk(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int count = 0;
    char head[4096];
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string path = folder + '/' + entry->d_name;
        if (entry->d_type == DT_DIR) {
            count += headerWalk(path);
            continue;
        }
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        ::fstat(fd, &info);
        if (::read(fd, head, sizeof head) > 0)
            ++count;
        ::close(fd);
    }
    ::closedir(dir);
    return count;
}

// The floor under a rescan: every entry of every folder stat'ed.
int statWalk(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int count = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string path = folder + '/' + entry->d_name;
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0)
            continue;
        ++count;
        if (S_ISDIR(info.st_mode))
            count += statWalk(path);
    }
    ::closedir(dir);
    return count;
}

const QStringList kQueries = {"kic", "sna", "pad", "bel", "chi", "dro", "swe", "cho",
                              "pia", "gui", "mar", "win", "fol", "pac", "org", "bra"};

double medianQueryMs(ISoundIndex& index) {
    std::vector<double> times;
    for (int round = 0; round < 3; ++round)
        for (const QString& query : kQueries)
            times.push_back(timeMs([&] {
                const std::vector<IndexedSound> found =
                    index.find(*parseSoundQuery(query), SearchRows::kMostRows);
                const SearchRows rows(found);
                if (rows.size() == 0)
                    std::printf("no rows for %s\n", qPrintable(query));
            }));
    return median(times);
}

double medianRawFtsMs(const QString& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(nativename::encode(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid FROM words WHERE words MATCH ?1 LIMIT ?2", -1, &statement,
                       nullptr);
    std::vector<double> times;
    for (int round = 0; round < 3; ++round)
        for (const QString& query : kQueries) {
            const QByteArray match = "\"" + query.toUtf8() + "\"*";
            times.push_back(timeMs([&] {
                sqlite3_reset(statement);
                sqlite3_bind_text(statement, 1, match.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(statement, 2, SearchRows::kMostRows);
                while (sqlite3_step(statement) == SQLITE_ROW) {
                }
            }));
        }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return median(times);
}

// names sounds without files, straight into the index.
void fillWithoutFiles(ISoundIndex& index, int folders, int perFolder) {
    for (int f = 0; f < folders; ++f) {
        FolderUpdate update{"/collection/Folder " + QByteArray::number(f),
                            1,
                            QStringLiteral("Collection Pack %1 Folder %2").arg(f / 50).arg(f),
                            {},
                            {}};
        for (int s = 0; s < perFolder; ++s) {
            IndexedSound sound;
            sound.name = soundName(f, s);
            sound.format = QStringLiteral("PCM");
            sound.channels = 1 + s % 2;
            sound.seconds = 0.5 + s % 20;
            update.put.push_back(sound);
        }
        index.applyFolder(update);
    }
}

void searchFigures(const QString& dbFolder, int names) {
    const QString file = dbFolder + QStringLiteral("/names%1.db").arg(names);
    QFile::remove(file);
    {
        auto index = SqliteSoundIndex::open(file, nullptr);
        fillWithoutFiles(*index, names / 1000, 1000);
    }
    auto index = SqliteSoundIndex::open(file, nullptr);
    medianQueryMs(*index); // warm
    const double query = medianQueryMs(*index);
    const double raw = medianRawFtsMs(file);
    std::printf("3-letter search, %d names: %.2f ms median with the rows built "
                "(target < %s ms); raw FTS5 %.2f ms\n",
                names, query, names >= 1000000 ? "20" : "5", raw);
}

// Processor time of every thread of this program, user and system, in milliseconds.
double cpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Wall time of run, with its processor time added to cpu.
double timeWithCpu(const std::function<void()>& run, std::vector<double>& cpu) {
    const double before = cpuMs();
    const double wall = timeMs(run);
    cpu.push_back(cpuMs() - before);
    return wall;
}

void indexFigures(const QString& work) {
    const QByteArray top = nativename::encode(work) + "/Collection";
    std::printf("making %d sounds in %d folders under %s...\n", kFolders * kSoundsPerFolder,
                kFolders, top.constData());
    makeCollection(top);
    const QString dbFile = work + QStringLiteral("/library.db");

    headerWalk(top.toStdString()); // warm the caches alike for both
    std::vector<double> walk, first, stats, rescan, walkCpu, firstCpu;
    for (int round = 0; round < 3; ++round) {
        walk.push_back(timeWithCpu([&] { headerWalk(top.toStdString()); }, walkCpu));
        QFile::remove(dbFile);
        QFile::remove(dbFile + QStringLiteral("-wal"));
        auto index = SqliteSoundIndex::open(dbFile, nullptr);
        first.push_back(timeWithCpu([&] { IndexScanner(*index).scan({top}); }, firstCpu));
        stats.push_back(timeMs([&] { statWalk(top.toStdString()); }));
        rescan.push_back(timeMs([&] { IndexScanner(*index).scan({top}); }));
    }
    std::printf("first index of %d sounds: %.0f ms; header walk %.0f ms; ratio %.2f "
                "(target <= 1.5)\n",
                kFolders * kSoundsPerFolder, median(first), median(walk),
                median(first) / median(walk));
    std::printf("  processor time (all threads): first index %.0f ms, header walk %.0f ms\n",
                median(firstCpu), median(walkCpu));
    std::printf("rescan, nothing changed: %.1f ms; recursive stat walk %.1f ms; ratio %.2f "
                "(target <= 1.2)\n",
                median(rescan), median(stats), median(rescan) / median(stats));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QByteArray part = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    if (part != "search")
        indexFigures(work);
    if (part != "index") {
        searchFigures(work, 100000);
        searchFigures(work, 1000000);
    }
    return 0;
}

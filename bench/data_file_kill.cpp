// Kills a child that keeps writing the data file through the settings store, at random moments,
// and checks after every kill that the file is one whole copy: the one before the write that
// was cut, or the one after it. Not a test: it prints its figures.
//   bench_data_file_kill [RUNS]   (default 1000)
#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The data file at write number n: 2,000 sections of filler and the counter in the middle, so
// that one write takes a while (about 100 kB) and a kill lands inside it often.
QByteArray wholeCopy(int n) {
    QByteArray text;
    for (int s = 0; s < 2000; ++s) {
        text += "[Filler" + QByteArray::number(s) + "]\nKey=some value of section " +
                QByteArray::number(s) + "\n";
        if (s == 1000)
            text += "[Stress]\nCount=" + QByteArray::number(n) + "\n";
    }
    return text;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

[[noreturn]] void keepWriting(const QString& path, int from) {
    for (int n = from + 1;; ++n)
        if (!settings::writeString("Stress", "Count", QString::number(n), path))
            ::_exit(2);
}

int leftOvers(const QString& folder) {
    return int(
        QDir(folder).entryList({".Tembrel.dat.tembrel-*"}, QDir::Files | QDir::Hidden).size());
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir dir;
    const QString path = settings::dataFilePath(dir.path());
    QFile seed(path);
    if (!seed.open(QIODevice::WriteOnly) || seed.write(wholeCopy(0)) < 0)
        return 1;
    seed.close();
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayUs(0, 20000);
    int last = 0, broken = 0, unchanged = 0, advanced = 0, withLeftOver = 0, maxLeftOvers = 0;
    for (int run = 0; run < runs; ++run) {
        const pid_t child = ::fork();
        if (child == 0)
            keepWriting(path, last);
        ::usleep(useconds_t(delayUs(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const int now = settings::readInt("Stress", "Count", -1, path);
        if (now < last || contents(path) != wholeCopy(now)) {
            ++broken;
            std::fprintf(stderr, "run %d: the file is not a whole copy (count %d)\n", run, now);
        }
        (now == last ? unchanged : advanced) += 1;
        const int left = leftOvers(dir.path());
        withLeftOver += left > 0;
        maxLeftOvers = std::max(maxLeftOvers, left);
        last = std::max(now, last);
    }
    std::printf("runs %d, broken files %d, file still the old copy %d, a newer copy %d, writes "
                "completed %d\n",
                runs, broken, unchanged, advanced, last);
    std::printf("kills that cut a write (a hidden temporary file left) %d, most left at once %d, "
                "left at the end %d\n",
                withLeftOver, maxLeftOvers, leftOvers(dir.path()));
    return broken == 0 ? 0 : 1;
}

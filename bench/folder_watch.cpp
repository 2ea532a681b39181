// How the main window follows a folder of 100,000 sounds that another program changes, against
// one RefreshList of the same folder measured in the same run:
//   (a) idle: CPU time, wake-ups and re-reads over a quiet stretch, watching and not watching,
//       and the memory that watching takes;
//   (b) bursts of 1,000 files added, renamed and removed by another process, at full speed and
//       paced over about a second: re-reads per burst, time from the last change to the list
//       being current, the longest the window stays blocked, the selected sound kept.
// Usage: bench_folder_watch [FILES] [BURST] [IDLE_SECONDS]   (defaults 100000, 1000, 5)
// The other program is this one again: bench_folder_watch --change FOLDER add|rename|remove
// COUNT PAUSE_US, which prints the monotonic time of its last change in nanoseconds.
#include "bench/BenchWindow.h"
#include "browser/FolderWatcher.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// --- the other program ---------------------------------------------------------------------

QByteArray otherName(const char* folder, int i, bool renamed) {
    return QByteArray(folder) + QByteArray("/Other ") + QByteArray::number(10000 + i) +
           (renamed ? " renamed.wav" : ".wav");
}

int changeFolder(const char* folder, const char* change, int count, int pauseUs) {
    const QByteArray wav = smallWav();
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(change, "add") == 0) {
            const int fd =
                ::open(otherName(folder, i, false).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, wav.constData(), size_t(wav.size())) != wav.size())
                return 1;
            ::close(fd);
        } else if (std::strcmp(change, "rename") == 0) {
            if (::rename(otherName(folder, i, false).constData(),
                         otherName(folder, i, true).constData()) != 0)
                return 1;
        } else if (::unlink(otherName(folder, i, true).constData()) != 0) {
            return 1;
        }
        if (pauseUs > 0)
            ::usleep(useconds_t(pauseUs));
    }
    std::printf("%.0f\n", monotonicMs() * 1e6);
    return 0;
}

// --- the window's side ---------------------------------------------------------------------

struct Usage {
    double cpuMs;
    long wakeups; // voluntary context switches of every thread
};

Usage usageNow() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return {ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_nvcsw};
}

long residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

void runEventLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Re-reads told by the watcher, and the time the last one ended (its slot runs after the
// window's, which reads the folder).
struct RereadCounter {
    int count = 0;
    double lastEndMs = 0;
};

void reportIdle(FolderWatcher& watcher, const QString& folder, const RereadCounter& rereads,
                int seconds) {
    const auto stretch = [&](bool watching) {
        watcher.watch(watching ? folder : QString());
        runEventLoopFor(200);
        const int before = rereads.count;
        const Usage start = usageNow();
        runEventLoopFor(seconds * 1000);
        const Usage end = usageNow();
        std::printf("    %-13s CPU %6.1f ms, %4ld wake-ups, %d re-reads in %d s\n",
                    watching ? "watching:" : "not watching:", end.cpuMs - start.cpuMs,
                    end.wakeups - start.wakeups, rereads.count - before, seconds);
    };
    std::printf("(a) idle, the window over the folder (target: watching adds no CPU, no "
                "wake-ups, no re-reads):\n");
    stretch(false);
    stretch(true);
    watcher.watch(QString());
    const long unwatched = residentKb();
    watcher.watch(folder);
    std::printf("    memory of watching: %+ld KB resident (target: a few KB at most)\n",
                residentKb() - unwatched);
}

struct Burst {
    const char* change;
    int pauseUs;
    int rowsAfter;
};

class BurstRunner {
public:
    BurstRunner(CTembrelDlg& window, const QString& folder, const RereadCounter& rereads,
                double refreshMs)
        : m_window(window), m_folder(folder), m_rereads(rereads), m_refreshMs(refreshMs) {}

    void run(const Burst& burst, int count) {
        const int rereadsBefore = m_rereads.count;
        const QString selected = m_window.selectedName();
        double longestBlock = 0, lastBeat = monotonicMs();
        QTimer heartbeat;
        heartbeat.setInterval(5);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            const double now = monotonicMs();
            longestBlock = std::max(longestBlock, now - lastBeat);
            lastBeat = now;
        });
        heartbeat.start();
        const double started = monotonicMs();
        const double lastChange = runOtherProgram(burst, count);
        // Enough for a re-read that started just before the last change and one more after it.
        runEventLoopFor(int(2 * (FolderWatcher::kCoalesceMs + m_refreshMs)) + 500);
        heartbeat.stop();
        const bool current = m_window.list().count() == burst.rowsAfter;
        const double caughtUp = m_rereads.lastEndMs - lastChange;
        std::printf("    %-6s %s  burst %6.0f ms  re-reads %3d  last change -> list current "
                    "%6.0f ms  longest block %5.0f ms  rows %s  selection %s\n",
                    burst.change, burst.pauseUs ? "paced" : "fast ", lastChange - started,
                    m_rereads.count - rereadsBefore, caughtUp, longestBlock,
                    current ? "right" : "WRONG",
                    m_window.selectedName() == selected ? "kept" : "LOST");
    }

private:
    // Runs while the window's event loop turns; returns the time of the last change.
    double runOtherProgram(const Burst& burst, int count) {
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--change"), m_folder, QString::fromLatin1(burst.change),
                     QString::number(count), QString::number(burst.pauseUs)});
        QEventLoop loop;
        QObject::connect(&other, &QProcess::finished, &loop, &QEventLoop::quit);
        if (other.state() != QProcess::NotRunning)
            loop.exec();
        if (other.exitCode() != 0)
            std::fprintf(stderr, "the other program failed: %s\n",
                         other.readAllStandardError().constData());
        return other.readAllStandardOutput().trimmed().toDouble() / 1e6;
    }

    CTembrelDlg& m_window;
    QString m_folder;
    const RereadCounter& m_rereads;
    double m_refreshMs;
};

template <typename Read> double medianMsOf5(Read read) {
    std::vector<double> runs;
    QElapsedTimer timer;
    for (int run = 0; run < 5; ++run) {
        timer.start();
        read();
        runs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(runs);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::strcmp(argv[1], "--change") == 0)
        return changeFolder(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int burstSize = argc > 2 ? std::atoi(argv[2]) : 1000;
    const int idleSeconds = argc > 3 ? std::atoi(argv[3]) : 5;
    BenchProgram program(files);
    CTembrelDlg& window = program.window();
    auto* watcher = window.findChild<FolderWatcher*>();
    RereadCounter rereads;
    QObject::connect(watcher, &FolderWatcher::folderChanged, [&rereads] {
        ++rereads.count;
        rereads.lastEndMs = monotonicMs();
    });

    const double refresh = medianMsOf5([&window] { window.RefreshList(); });
    std::printf("baseline: one RefreshList of the folder %9.1f ms  (%d rows, median of 5)\n",
                refresh, window.list().count());
    window.list().setCurSel(window.list().count() / 2);
    const double follow = medianMsOf5([&window] { window.followFolder(); });
    std::printf("one re-read after a change (followFolder) %7.1f ms  (target: about one "
                "RefreshList)\n",
                follow);
    reportIdle(*watcher, program.library(), rereads, idleSeconds);

    std::printf("(b) bursts of %d changes by another program (targets: a few re-reads, never "
                "one per change; list current within %d ms + one RefreshList = %.0f ms, and "
                "within 1000 ms; selection kept):\n",
                burstSize, FolderWatcher::kCoalesceMs, FolderWatcher::kCoalesceMs + refresh);
    BurstRunner runner(window, program.library(), rereads, refresh);
    const int paceUs = 1000000 / burstSize; // about a second for the whole burst
    for (const Burst& burst :
         {Burst{"add", 0, files + burstSize}, Burst{"rename", 0, files + burstSize},
          Burst{"remove", 0, files}, Burst{"add", paceUs, files + burstSize},
          Burst{"rename", paceUs, files + burstSize}, Burst{"remove", paceUs, files}})
        runner.run(burst, burstSize);
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        std::printf("load average: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
    return 0;
}

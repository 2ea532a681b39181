// How fast the three list writers run over a large folder, measured against a baseline loop in
// the same run: for every file, stat it and read its first 44 bytes. Each writer is the whole
// command without its questions: size look-up, the player's Open on the real playback device,
// ReadWaveInfo, the text, and the atomic write. soxi over the same files gives context.
// Usage: bench_lists_writers [FILES]   (default 20000)
#include "bench/BenchTiming.h"
#include "core/CWavePlayer.h"
#include "lists/HtmlList.h"
#include "lists/ListEntries.h"
#include "lists/ListExport.h"
#include "lists/TextList.h"
#include "lists/WebPage.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookBatch.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDirectory.h"
#include "platform/audio/AudioSystem.h"
#include "widgets/NameCollator.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class CountingUi final : public IUi {
public:
    MsgResult messageBox(const QString&, const QString&, MsgButtons, MsgIcon) override {
        ++boxes;
        return MsgResult::Ok;
    }
    std::optional<QString> openFileName(const OpenFileRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return {}; }
    QString appTitle() const override { return QStringLiteral("bench"); }
    int boxes = 0;
};

// A playback device whose open costs nothing: what the writers cost by themselves.
class FreeDevice final : public IPlaybackDevice {
public:
    AudioResult open(const QString&) override { return {}; }
    AudioResult play(qint64, float) override { return {}; }
    void stop() override {}
    void close() override {}
};

void appendLe(QByteArray& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
}

// A PCM file with a 44-byte header; the shapes and lengths vary from file to file.
QByteArray wavFile(int index) {
    const uint16_t channels = index % 3 == 0 ? 2 : 1;
    const uint32_t rate = index % 2 ? 22050 : 44100;
    const uint16_t bits = index % 5 == 0 ? 8 : 16;
    const uint16_t block = uint16_t(channels * bits / 8);
    const uint32_t data = uint32_t(1000 + index * 37 % 7000) / block * block;
    QByteArray bytes("RIFF");
    appendLe(bytes, 36 + data, 4);
    bytes += "WAVEfmt ";
    appendLe(bytes, 16, 4);
    appendLe(bytes, 1, 2);
    appendLe(bytes, channels, 2);
    appendLe(bytes, rate, 4);
    appendLe(bytes, rate * block, 4);
    appendLe(bytes, block, 2);
    appendLe(bytes, bits, 2);
    bytes += "data";
    appendLe(bytes, data, 4);
    return bytes + QByteArray(int(data), '\0');
}

QStringList makeFolder(const QString& folder, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString name =
            QStringLiteral("Sound %1 take").arg(i * 7919 % count, 6, 10, QLatin1Char('0'));
        QFile file(pathhelp::soundPath(folder, name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write(wavFile(i));
        names << name;
    }
    return NameCollator().sorted(names);
}

void baseline(const std::vector<QByteArray>& paths) {
    char header[44];
    for (const QByteArray& path : paths) {
        struct stat info {};
        if (::stat(path.constData(), &info) != 0)
            qFatal("stat failed");
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::read(fd, header, sizeof header) != ssize_t(sizeof header))
            qFatal("read failed");
        ::close(fd);
    }
}

// The machine may be busy with other work, so every round times the baseline and the item
// back to back, and the ratio is the median of the rounds' ratios.
class PairedTimer {
public:
    PairedTimer(std::function<void()> baseline, int files)
        : m_baseline(std::move(baseline)), m_files(files) {}

    void measure(const char* label, const std::function<void()>& item) {
        std::vector<double> itemMs, ratios;
        for (int round = 0; round < 7; ++round) {
            const double base = timeMs(m_baseline);
            const double ms = timeMs(item);
            m_baselineMs.push_back(base);
            itemMs.push_back(ms);
            ratios.push_back(ms / base);
        }
        print(label, median(itemMs), median(ratios));
    }
    void print(const char* label, double ms, double ratio) const {
        std::printf("  %-46s %9.1f ms  %7.2f us/file  %6.2fx baseline\n", label, ms,
                    ms * 1000 / m_files, ratio);
    }
    double baselineMs() const { return median(m_baselineMs); }

private:
    std::function<void()> m_baseline;
    int m_files;
    std::vector<double> m_baselineMs;
};

struct SoxiTiming {
    int files = 0;
    double ms = 0;
};

// soxi over the files in batches of 500 arguments, for at most about 30 seconds.
SoxiTiming timeSoxi(const QString& folder, const QStringList& names) {
    SoxiTiming timing;
    QElapsedTimer timer;
    timer.start();
    for (qsizetype at = 0; at < names.size() && timer.elapsed() < 30000; at += 500) {
        QStringList arguments;
        for (const QString& name : names.mid(at, 500))
            arguments << pathhelp::soundPath(folder, name);
        QProcess soxi;
        soxi.setStandardOutputFile(QProcess::nullDevice());
        soxi.setStandardErrorFile(QProcess::nullDevice());
        soxi.start(QStringLiteral("soxi"), arguments);
        if (!soxi.waitForFinished(120000) || soxi.exitCode() != 0)
            return {};
        timing.files += int(arguments.size());
    }
    timing.ms = double(timer.nsecsElapsed()) / 1e6;
    return timing;
}

// The list box's rows as names, the way the commands take them.
QStringList rowsOf(const SortedListBox& list) {
    QStringList rows;
    rows.reserve(list.count());
    for (int row = 0; row < list.count(); ++row)
        rows.append(list.text(row));
    return rows;
}

// One folder of sounds and everything the writers need to list it.
struct Bench {
    explicit Bench(int count) : files(count) {
        QDir().mkpath(folder);
        std::printf("Making %d WAV files (1-8 KB) in %s ...\n", files, qPrintable(folder));
        names = makeFolder(folder, files);
        for (const QString& name : names)
            paths.push_back(QFile::encodeName(pathhelp::soundPath(folder, name)));
        list.addStrings(names);
        gathered = gatherListEntries(folder, names, fileSystem, player, UnreadableFile::Skip);
        page = writeWebPage(folder, gathered);
    }

    std::function<void()> writer(ListKind kind, ListTools& with) {
        return [this, kind, &with] {
            if (!writeListFile(kind, folder, names, with))
                qFatal("list not written");
        };
    }
    std::function<void()> eachPath(std::function<void(const QString&)> step) {
        return [this, step] {
            for (const QByteArray& path : paths)
                step(QFile::decodeName(path));
        };
    }

    int files;
    QTemporaryDir programDir;
    QString folder = programDir.path() + QStringLiteral("/Library");
    QStringList names;
    std::vector<QByteArray> paths;
    AudioSystem audio;
    CountingUi ui;
    LocalFileSystem fileSystem;
    CWavePlayer player{audio.playbackDevice(), audio.soundPlayer(), ui};
    FreeDevice freeDevice;
    CWavePlayer freePlayer{freeDevice, audio.soundPlayer(), ui};
    ListTools tools{fileSystem, player, programDir.path() + QLatin1Char('/')};
    ListTools freeTools{fileSystem, freePlayer, tools.programDir};
    SortedListBox list;
    ListEntries gathered;
    QByteArray page;
};

void measureWriters(Bench& bench, PairedTimer& timer) {
    std::printf("Writers (the whole command without its questions):\n");
    timer.measure("text list FilesList.txt", bench.writer(ListKind::Text, bench.tools));
    timer.measure("HTML list FilesList.htm", bench.writer(ListKind::Html, bench.tools));
    timer.measure("web page index.html (+ 2 image copies)",
                  bench.writer(ListKind::Web, bench.tools));
    std::printf("The same writers over a playback device whose Open does nothing:\n");
    timer.measure("text list", bench.writer(ListKind::Text, bench.freeTools));
    timer.measure("HTML list", bench.writer(ListKind::Html, bench.freeTools));
    timer.measure("web page", bench.writer(ListKind::Web, bench.freeTools));
}

void measureSteps(Bench& bench, PairedTimer& timer) {
    std::printf("Where the time goes:\n");
    // Each look by itself, outside a batch, as the status line and the properties use them.
    timer.measure("player's Open, real playback device",
                  bench.eachPath([&](const QString& path) { bench.player.Open(path); }));
    timer.measure("player's ReadWaveInfo",
                  bench.eachPath([&](const QString& path) { bench.player.ReadWaveInfo(path); }));
    timer.measure("file size", bench.eachPath([&](const QString& path) {
        (void)bench.fileSystem.fileSize(path);
    }));
    timer.measure("size, Open and ReadWaveInfo in one look batch", [&] {
        const FileLookBatch batch;
        bench.eachPath([&](const QString& path) {
            (void)bench.fileSystem.fileSize(path);
            bench.player.Open(path);
            bench.player.ReadWaveInfo(path);
        })();
    });
    timer.measure("list box rows to names", [&] { (void)rowsOf(bench.list); });
    const QString& folder = bench.folder;
    timer.measure("text from gathered entries",
                  [&] { (void)writeTextList(folder, bench.gathered); });
    timer.measure("HTML from gathered entries",
                  [&] { (void)writeHtmlList(folder, bench.gathered); });
    timer.measure("web page from gathered entries",
                  [&] { (void)writeWebPage(folder, bench.gathered); });
    timer.measure("atomic write of the web page's bytes", [&] {
        if (!writeFileAtomically(folder + QStringLiteral("/page.html"), bench.page))
            qFatal("not written");
    });
}

void reportSoxi(Bench& bench, const PairedTimer& timer) {
    std::printf("For context:\n");
    const SoxiTiming soxi = timeSoxi(bench.folder, bench.names);
    const double base = timer.baselineMs();
    if (soxi.files == bench.files) {
        timer.print("soxi over all files (500 per call)", soxi.ms, soxi.ms / base);
    } else if (soxi.files > 0) {
        const double scaled = soxi.ms * bench.files / soxi.files;
        std::printf("  soxi ran over %d of %d files in %.1f ms; SCALED to all files:\n", soxi.files,
                    bench.files, soxi.ms);
        timer.print("soxi, scaled estimate (500 per call)", scaled, scaled / base);
    } else {
        std::printf("  soxi: not run (not installed or failed)\n");
    }
    std::printf("  baseline itself: %.1f ms (median of all rounds)\n", base);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Bench bench(argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000);
    baseline(bench.paths); // warms the page cache
    std::printf("\n%d files; each row: median of 7 rounds, each round timing the baseline\n"
                "(stat + read the first 44 bytes of every file) just before the row's work.\n",
                bench.files);
    PairedTimer timer([&] { baseline(bench.paths); }, bench.files);
    measureWriters(bench, timer);
    measureSteps(bench, timer);
    reportSoxi(bench, timer);
    std::printf("  web page size: %.1f MB; player error boxes: %d\n",
                double(bench.page.size()) / 1e6, bench.ui.boxes);
    return 0;
}

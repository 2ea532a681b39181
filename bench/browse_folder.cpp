// How fast the main window browses a large folder, measured against a plain directory read of
// the same folder in the same run:
//   (a) readdir over the folder, (b) RefreshList filling the real list box offscreen,
//   (c) the list box taking 100,000 names, (d) UpdateStatus over 10,000 selections.
// Usage: bench_browse_folder [FILES]   (default 100000)
#include "browser/CTembrelDlg.h"
#include "browser/CommandTable.h"
#include "browser/FolderScan.h"
#include "platform/FileSystem.h"
#include "widgets/NameCollator.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <vector>

namespace {

class QuietUi final : public IUi {
public:
    MsgResult messageBox(const QString& text, const QString&, MsgButtons, MsgIcon) override {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
        return MsgResult::Ok;
    }
    std::optional<QString> openFileName(const OpenFileRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return {}; }
    QString appTitle() const override { return QStringLiteral("bench"); }
};

class SilentDevice final : public IPlaybackDevice, public ISoundPlayer {
public:
    AudioResult open(const QString&) override { return {}; }
    AudioResult play() override { return {}; }
    void stop() override {}
    void close() override {}
    bool playLoop(const QString&) override { return true; }
    bool playSync(const QString&) override { return true; }
    void stopSync() override {}
    void silence() override {}
};

class NoLauncher final : public IProcessLauncher, public IDesktop {
public:
    bool startDetached(const QString&, const QStringList&) override { return false; }
    bool openDocument(const QString&) override { return false; }
};

QByteArray smallWav() {
    QByteArray bytes("RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x22\x56\0\0"
                     "\x01\0\x08\0data\x08\0\0\0",
                     44);
    return bytes + QByteArray(8, '\x80');
}

void makeFolder(const QString& folder, int files) {
    const QByteArray wav = smallWav();
    for (int i = 0; i < files; ++i) {
        QFile file(
            folder +
            QStringLiteral("/Sound %1 take.wav").arg(i * 7919 % files, 6, 10, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly))
            file.write(wav);
    }
}

double plainDirectoryRead(const QString& folder) {
    QElapsedTimer timer;
    timer.start();
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    long count = 0;
    while (const dirent* entry = readdir(dir))
        count += entry->d_name[0] != '.';
    closedir(dir);
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Where RefreshList's time goes: the folder scan and the sort, each a median of 7.
void reportParts(const QString& folder, const QStringList& names) {
    std::vector<double> scanRuns, sortRuns;
    const NameCollator collator;
    QElapsedTimer timer;
    for (int run = 0; run < 7; ++run) {
        timer.start();
        (void)scanWavFolder(folder);
        scanRuns.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        (void)collator.sorted(names);
        sortRuns.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("    of which the folder scan:  %9.1f ms\n", median(scanRuns));
    std::printf("    and the sort of the names: %9.1f ms\n", median(sortRuns));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir program;
    QFile data(program.filePath(QStringLiteral("Tembrel.dat")));
    data.open(QIODevice::WriteOnly);
    data.write("[Main_Directory]\nMaster_Directory=Library\n[Default_Rec_Name]\nRec_Name=S\n"
               "[Editor_Name]\nEditor=x\n");
    data.close();
    const QString folder = program.filePath(QStringLiteral("Library"));
    QDir().mkpath(folder);
    std::printf("making %d files...\n", files);
    makeFolder(folder, files);

    QuietUi ui;
    SilentDevice device;
    LocalFileSystem fs;
    NoLauncher launcher;
    Services services{ui, device, device, fs, launcher, launcher, {}, program.path() + "/"};
    DataFileSettings settings(services.programDir);
    CommandTable commands;
    CTembrelDlg window(readMainSettings(settings, ui), settings, commands, services);

    // Alternate the two so that both see the same machine load; report medians of 7 runs.
    std::vector<double> plainRuns, refreshRuns;
    QElapsedTimer timer;
    for (int run = 0; run < 7; ++run) {
        plainRuns.push_back(plainDirectoryRead(folder));
        timer.start();
        window.RefreshList();
        refreshRuns.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double plain = median(plainRuns), refresh = median(refreshRuns);
    std::printf("(a) plain directory read:      %9.1f ms  (median of 7)\n", plain);
    std::printf(
        "(b) RefreshList into the list: %9.1f ms  (%d rows)  ratio b/a = %.2f (target <= 2)\n",
        refresh, window.list().count(), refresh / plain);
    reportParts(folder, window.names());

    SortedListBox box;
    timer.restart();
    box.addStrings(window.names());
    std::printf("(c) list box takes the names:  %9.1f ms  (target < 1000)\n",
                double(timer.nsecsElapsed()) / 1e6);

    const int selections = std::min(10000, window.list().count());
    timer.restart();
    for (int i = 0; i < selections; ++i)
        window.list().setCurSel((i * 9973) % window.list().count());
    std::printf("(d) UpdateStatus per selection: %8.3f ms  over %d selections\n",
                double(timer.nsecsElapsed()) / 1e6 / selections, selections);
    return 0;
}

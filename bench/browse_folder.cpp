// How fast the main window browses a large folder, measured against a plain directory read of
// the same folder in the same run:
//   (a) readdir over the folder, (b) RefreshList filling the real list box offscreen,
//   (c) the list box taking 100,000 names, (d) UpdateStatus over 10,000 selections.
// Usage: bench_browse_folder [FILES]   (default 100000)
#include "bench/BenchWindow.h"
#include "core/FolderScan.h"
#include "widgets/NameCollator.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <vector>

namespace {

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
    BenchProgram program(files);
    const QString folder = program.library();
    CTembrelDlg& window = program.window();

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

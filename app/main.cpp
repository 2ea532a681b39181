#include "app/CTembrelApp.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    // --help and --export show no window, so they run without a display.
    const std::unique_ptr<QCoreApplication> application =
        isConsoleRun(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                 : std::make_unique<QApplication>(argc, argv);
    CTembrelApp tembrel;
    return tembrel.run(QCoreApplication::arguments());
}
